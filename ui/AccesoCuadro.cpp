// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccesoCuadro.h"

#include "CuadroTexto.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

namespace {

class Acceso : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit Acceso(CuadroTexto *caja)
        : QAccessibleWidget(caja, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? caja()->toPlainText() : QAccessibleWidget::text(t);
    }

    // ---- Text: offsets are UTF-16 units of what the box shows.
    void selection(int, int *inicio, int *fin) const override
    {
        *inicio = Desplazamiento(Envia(QsciScintillaBase::SCI_GETSELECTIONSTART));
        *fin = Desplazamiento(Envia(QsciScintillaBase::SCI_GETSELECTIONEND));
    }
    int selectionCount() const override { return Envia(QsciScintillaBase::SCI_GETSELECTIONEMPTY) ? 0 : 1; }
    void addSelection(int inicio, int fin) override { setSelection(0, inicio, fin); }
    void removeSelection(int) override { Envia(QsciScintillaBase::SCI_CLEARSELECTIONS); }
    void setSelection(int, int inicio, int fin) override
    {
        Envia(QsciScintillaBase::SCI_SETSEL, Posicion(inicio), Posicion(fin));
    }
    int cursorPosition() const override { return Desplazamiento(Envia(QsciScintillaBase::SCI_GETCURRENTPOS)); }
    void setCursorPosition(int posicion) override { Envia(QsciScintillaBase::SCI_GOTOPOS, Posicion(posicion)); }
    QString text(int inicio, int fin) const override
    {
        const std::string_view bytes = caja()->Bytes();
        const long desde = Posicion(inicio), hasta = Posicion(fin);
        if (caja()->LineasPartidas() || hasta < desde)
            return caja()->text().mid(inicio, fin - inicio);
        return QString::fromUtf8(bytes.data() + desde, hasta - desde);
    }
    int characterCount() const override { return Desplazamiento(Envia(QsciScintillaBase::SCI_GETLENGTH)); }
    QRect characterRect(int desplazamiento) const override
    {
        const long p = Posicion(desplazamiento);
        const QPoint esquina(int(Envia(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, p)),
                             int(Envia(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, p)));
        const QFontMetrics medidas(caja()->font());
        const QRect rectangulo(caja()->viewport()->mapToGlobal(esquina), QSize(medidas.averageCharWidth(), medidas.height()));
        return rectangulo;
    }
    int offsetAtPoint(const QPoint &punto) const override
    {
        const QPoint p = caja()->viewport()->mapFromGlobal(punto);
        const long posicion = Envia(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE, p.x(), p.y());
        return posicion < 0 ? -1 : Desplazamiento(posicion);
    }
    void scrollToSubstring(int inicio, int fin) override
    {
        Envia(QsciScintillaBase::SCI_SCROLLRANGE, Posicion(fin), Posicion(inicio));
    }
    QString attributes(int desplazamiento, int *inicio, int *fin) const override
    {
        *inicio = *fin = desplazamiento;
        return QString();
    }

private:
    CuadroTexto *caja() const { return static_cast<CuadroTexto *>(widget()); }
    long Envia(unsigned mensaje, unsigned long w = 0, long l = 0) const { return caja()->SendScintilla(mensaje, w, l); }

    // The index of line starts costs a pass over every text the box is given:
    // it is made only for a listener.
    void Indexa() const
    {
        if (!Envia(QsciScintillaBase::SCI_GETLINECHARACTERINDEX))
            Envia(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    }
    int Desplazamiento(long posicion) const
    {
        Indexa();
        const long linea = Envia(QsciScintillaBase::SCI_LINEFROMPOSITION, posicion);
        const long inicio = Envia(QsciScintillaBase::SCI_POSITIONFROMLINE, linea);
        return int(Envia(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, linea, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16) +
                   Envia(QsciScintillaBase::SCI_COUNTCODEUNITS, inicio, posicion));
    }
    long Posicion(int desplazamiento) const
    {
        Indexa();
        const long linea =
            Envia(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, desplazamiento, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
        const long base = Envia(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, linea, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
        return Envia(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS, Envia(QsciScintillaBase::SCI_POSITIONFROMLINE, linea),
                     desplazamiento - base);
    }
};

QAccessibleInterface *Fabrica(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String("CuadroTexto"))
        return new Acceso(static_cast<CuadroTexto *>(objeto));
    return nullptr;
}

}  // namespace

namespace AccesoCuadro {

void Instala()
{
    static const bool instalada = (QAccessible::installFactory(Fabrica), true);
    (void)instalada;
}

void AvisaCursor(QWidget *caja)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *acceso = QAccessible::queryAccessibleInterface(caja);
    if (QAccessibleTextInterface *texto = acceso ? acceso->textInterface() : nullptr) {
        QAccessibleTextCursorEvent evento(caja, texto->cursorPosition());
        QAccessible::updateAccessibility(&evento);
    }
}

}  // namespace AccesoCuadro
