// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, its processing state and its light.

#include "frmConversor.h"

#include "ConversionesTextoHTML.h"
#include "CuadroTexto.h"
#include "Portapapeles.h"
#include "frmAbout.h"
#include "frmConversorComun.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <utility>

using namespace Ventana;

namespace {

const QString Procesando = QStringLiteral("Procesando");
const QString Procesado = QStringLiteral("Procesado");

// What each processing state does, in this order: empty the result box,
// light, then the enabled flag of Copy, Paste, Clear, Paste-convert-copy and Convert.
struct FilaEstado {
    const QString &Estado;
    bool VaciaResultado;
    const char *Luz;
    bool Copiar, Pegar, Borrar, PegayCopia, Convertir;
};
const FilaEstado Estados[] = {
    {PendienteProcesar, true, "rojo", false, true, true, true, true},
    {Procesando, false, "amarillo", false, false, false, false, false},
    {Procesado, false, "verde", true, true, true, true, false},
};

// While it lives: the wait cursor, and every mouse click and key press made
// meanwhile on the window dropped rather than run once the work is over.
// Message boxes shown during the work still take input.
class Ocupado : public QObject
{
public:
    explicit Ocupado(QWidget *ventana)
        : ventana_(ventana)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        qApp->installEventFilter(this);
    }
    ~Ocupado() override
    {
        // What the user did meanwhile is still queued: let it in now, to be dropped.
        QCoreApplication::processEvents();
        qApp->removeEventFilter(this);
        QGuiApplication::restoreOverrideCursor();
    }
    Ocupado(const Ocupado &) = delete;
    Ocupado &operator=(const Ocupado &) = delete;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        const auto *control = qobject_cast<QWidget *>(objeto);
        if (!control || control->window() != ventana_)
            return QObject::eventFilter(objeto, evento);
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            return true;
        default:
            return QObject::eventFilter(objeto, evento);
        }
    }

private:
    const QWidget *ventana_;
};

}  // namespace

// ---- Commands ----------------------------------------------------------------

void frmConversor::cmdConvertir_Click()
{
    const Ocupado ocupado(this);
    // Started from a button (by key or click): the focus goes on to Copy, the
    // next step, rather than into the editable result, where a second Space
    // would type a blank.
    const bool desdeBoton = focusWidget() == cmdConvertir || focusWidget() == cmdPegayCopia;
    PoneEstado(Procesando);
    // The light is painted at once; the five disabled buttons as well, so that
    // the whole state is on screen before the work starts.
    repaint();

    std::int16_t modo = ConversionesTextoHTML::TextoAHTML;
    if (mnuTextoaHTML->isChecked())
        modo = ConversionesTextoHTML::TextoAHTML;
    if (mnuHTMLaTexto->isChecked())
        modo = ConversionesTextoHTML::HTMLATexto;

    std::int16_t opciones = 0;
    for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i) {
        if (opciones_[i]->isChecked())
            opciones = std::int16_t(opciones | Opciones::Tabla[i].Bit);
    }

    // From the source box's UTF-8 straight into the result box's, without a
    // UTF-16 copy of either text.
    std::string resultado;
    ConversionesTextoHTML::ConvierteTextoHTML(sOriginal->Bytes(), modo, opciones, resultado);
    sConvertido->PoneBytes(resultado);
    PoneEstado(Procesado);
    if (desdeBoton)
        cmdCopiar->setFocus(Qt::OtherFocusReason);
}

void frmConversor::cmdBorrar_Click()
{
    sOriginal->setPlainText(QString());
}

void frmConversor::cmdPegar_Click()
{
    Pega();
}

bool frmConversor::Pega()
{
    const Ocupado ocupado(this);
    const std::optional<QString> texto = Portapapeles::LeeTexto();
    if (!texto) {
        Mensaje(QMessageBox::Critical, Titulo, TextoMensaje(Catalogo::Mensaje::PortapapelesIlegible));
        return false;
    }
    sOriginal->PoneTextoDeFuera(*texto);
    return true;
}

void frmConversor::cmdCopiar_Click()
{
    const Ocupado ocupado(this);
    // Cleared first, so the clipboard's old text is let go before the new one is made.
    QClipboard *portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    // The box's own bytes: no UTF-16 copy of the text is made here.
    auto *datos = new QMimeData;
    CuadroTexto::PoneEnDatos(datos, sConvertido->Bytes());
    portapapeles->setMimeData(datos);
    // Where the window system keeps our own data, it hands it back as it was.
    const QMimeData *puesto = portapapeles->mimeData();
    if (!puesto || (puesto != datos && puesto->text() != sConvertido->toPlainText()))
        Mensaje(QMessageBox::Critical, Titulo, TextoMensaje(Catalogo::Mensaje::PortapapelesNoEscribible));
}

void frmConversor::cmdPegayCopia_Click()
{
    const Ocupado ocupado(this);
    // Nothing to convert when the paste failed: the boxes stay as they were.
    if (!Pega())
        return;
    cmdConvertir_Click();
    cmdCopiar_Click();
}

void frmConversor::cmdCerrar_Click()
{
    close();
}

void frmConversor::sOriginal_Change()
{
    PoneEstado(PendienteProcesar);
}

void frmConversor::mnuTextoaHTML_Click()
{
    if (!mnuTextoaHTML->isChecked())
        PoneEstado(PendienteProcesar);
    mnuTextoaHTML->setChecked(true);
    mnuHTMLaTexto->setChecked(false);
    ActivaOpciones(true);
}

void frmConversor::mnuHTMLaTexto_Click()
{
    if (!mnuHTMLaTexto->isChecked())
        PoneEstado(PendienteProcesar);
    mnuHTMLaTexto->setChecked(true);
    mnuTextoaHTML->setChecked(false);
    ActivaOpciones(false);
}

// Some options mean nothing from HTML to text: their items are disabled then.
void frmConversor::ActivaOpciones(bool aHTML)
{
    for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i) {
        if (Opciones::Tabla[i].SinEfectoATexto)
            opciones_[i]->setEnabled(aHTML);
    }
}

void frmConversor::CambiaOpcion(QAction *opcion)
{
    opcion->setChecked(!opcion->isChecked());
    PoneEstado(PendienteProcesar);
}

void frmConversor::mnuWeb_Click()
{
    HyperJump(QStringLiteral(VELMORA_WEB "/velmora/instrucciones.html"));
}

void frmConversor::mnuAcerca_Click()
{
    frmAbout::Muestra();
}

void frmConversor::HyperJump(const QString &URL)
{
    QDesktopServices::openUrl(QUrl(URL));
}

// ---- Processing state and light --------------------------------------------

void frmConversor::PoneEstado(const QString &Estado)
{
    const auto fila = std::find_if(std::begin(Estados), std::end(Estados),
                                   [&](const FilaEstado &f) { return f.Estado == Estado; });
    if (fila == std::end(Estados)) {
        Mensaje(QMessageBox::Critical, Titulo,
                QStringLiteral("Estado imprevisto (") + Estado + QStringLiteral(") en rutina PoneEstado."));
        return;
    }
    if (fila->VaciaResultado)
        sConvertido->setPlainText(QString());
    semaforo(QLatin1String(fila->Luz));
    QWidget *caja = fila->Estado == PendienteProcesar ? sOriginal : sConvertido;
    ActivaBoton(cmdCopiar, fila->Copiar, caja);
    ActivaBoton(cmdPegar, fila->Pegar, caja);
    ActivaBoton(cmdBorrar, fila->Borrar, caja);
    ActivaBoton(cmdPegayCopia, fila->PegayCopia, caja);
    ActivaBoton(cmdConvertir, fila->Convertir, caja);
}

// Disabling the focused button would hand the focus on to the next one in the
// tab order, Close among them, and a second key press would close the window.
// The box that the state concerns takes the focus instead.
void frmConversor::ActivaBoton(QPushButton *boton, bool activo, QWidget *caja)
{
    if (!activo && focusWidget() == boton)
        caja->setFocus(Qt::OtherFocusReason);
    boton->setEnabled(activo);
}

void frmConversor::semaforo(const QString &Color)
{
    const std::pair<const char *, QLabel *> luces[] = {
        {"verde", picSemaforoVerde}, {"amarillo", picSemaforoAmarillo}, {"rojo", picSemaforoRojo}};
    const auto luz = std::find_if(std::begin(luces), std::end(luces),
                                  [&](const auto &l) { return Color == QLatin1String(l.first); });
    if (luz != std::end(luces)) {
        picSemaforo->setPixmap(luz->second->pixmap());
        picSemaforo->resize(picSemaforo->pixmap().deviceIndependentSize().toSize());
    } else {
        Mensaje(QMessageBox::Critical, Titulo,
                QStringLiteral("Color imprevisto (") + Color + QStringLiteral(") en rutina semaforo."));
    }
    // At once, so the yellow light shows during a long conversion.
    repaint();
}

void frmConversor::Mensaje(QMessageBox::Icon icono, const QString &titulo, const QString &texto)
{
    // Before the window is shown there is nothing to stand over: a box without
    // a parent is centred on the screen, not over the window's unplaced frame.
    QMessageBox caja(icono, titulo, texto, QMessageBox::Ok, isVisible() ? this : nullptr);
    // The usual pointer over the box, even in the middle of a command.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    caja.exec();
    QGuiApplication::restoreOverrideCursor();
}
