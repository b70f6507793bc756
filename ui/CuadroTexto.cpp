#include "CuadroTexto.h"

#include <QApplication>
#include <QSignalBlocker>

#include <cstring>

CuadroTexto::CuadroTexto(QWidget *parent)
    : QsciScintilla(parent)
{
    // A document without a style byte per character: plain text has one style.
    const long documento = SendScintilla(SCI_CREATEDOCUMENT, 0UL, long(SC_DOCUMENTOPTION_STYLES_NONE));
    SendScintilla(SCI_SETDOCPOINTER, 0UL, documento);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, documento);
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setMargins(0);
    SendScintilla(SCI_SETMARGINLEFT, 0, 3L);
    SendScintilla(SCI_SETMARGINRIGHT, 0, 3L);
    setWrapMode(WrapNone);
    setFont(QApplication::font(this));
    // The horizontal range follows the widest line shown, as in a plain box.
    setScrollWidth(1);
    setScrollWidthTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move the focus instead of inserting a tab.
    SendScintilla(SCI_CLEARCMDKEY, SCK_TAB);
    SendScintilla(SCI_CLEARCMDKEY, SCK_TAB | (SCMOD_SHIFT << 16));
    AplicaColores();
}

QString CuadroTexto::toPlainText() const
{
    // The document's own buffer, read in place: it may hold NUL characters.
    const auto largo = qsizetype(SendScintilla(SCI_GETLENGTH));
    const auto *bytes = reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(bytes, largo);
}

void CuadroTexto::setPlainText(const QString &texto)
{
    PoneBytes(texto.toUtf8());
}

void CuadroTexto::PoneTexto(std::u16string texto)
{
    const QByteArray bytes = QStringView(texto.data(), qsizetype(texto.size())).toUtf8();
    std::u16string().swap(texto);
    PoneBytes(bytes);
}

void CuadroTexto::PoneTextoDeFuera(const QString &texto)
{
    PoneBytes(ConCRLF(texto.toUtf8()));
}

// Replaces the whole text as one change, which cannot be undone: the undo
// history would otherwise keep every text ever shown.
void CuadroTexto::PoneBytes(const QByteArray &bytes)
{
    {
        const QSignalBlocker bloqueo(this);
        SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
        SendScintilla(SCI_CLEARALL);
        SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(bytes.size()) + 1);
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
        SendScintilla(SCI_SETSAVEPOINT);
    }
    emit textChanged();
}

namespace {

// Whether every CR is followed by LF and every LF follows a CR.
bool SoloCRLF(const char *inicio, const char *fin)
{
    for (auto *p = inicio; (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(fin - p)))); ++p) {
        if (p == inicio || p[-1] != '\r')
            return false;
    }
    for (auto *p = inicio; (p = static_cast<const char *>(std::memchr(p, '\r', std::size_t(fin - p)))); ++p) {
        if (p + 1 == fin || p[1] != '\n')
            return false;
    }
    return true;
}

}  // namespace

QByteArray CuadroTexto::ConCRLF(QByteArray bytes)
{
    const char *inicio = bytes.constData();
    const char *fin = inicio + bytes.size();
    if (SoloCRLF(inicio, fin))
        return bytes;

    // At most two bytes for each one.
    QByteArray salida(bytes.size() * 2, Qt::Uninitialized);
    char *destino = salida.data();
    for (const char *p = inicio; p != fin; ++p) {
        if (*p == '\r' || *p == '\n') {
            *destino++ = '\r';
            *destino++ = '\n';
            if (*p == '\r' && p + 1 != fin && p[1] == '\n')
                ++p;
        } else {
            *destino++ = *p;
        }
    }
    salida.truncate(destino - salida.constData());
    salida.squeeze();
    return salida;
}

QByteArray CuadroTexto::fromMimeData(const QMimeData *source, bool &rectangular) const
{
    return ConCRLF(QsciScintilla::fromMimeData(source, rectangular));
}

bool CuadroTexto::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void CuadroTexto::changeEvent(QEvent *event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        AplicaColores();
}

// The colours of the platform's text boxes rather than the editor's own.
void CuadroTexto::AplicaColores()
{
    const QPalette &paleta = palette();
    setPaper(paleta.color(QPalette::Base));
    setColor(paleta.color(QPalette::Text));
    setSelectionBackgroundColor(paleta.color(QPalette::Highlight));
    setSelectionForegroundColor(paleta.color(QPalette::HighlightedText));
    setCaretForegroundColor(paleta.color(QPalette::Text));
}
