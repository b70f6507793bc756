// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmConversor.h"

#include "CuadroTexto.h"
#include "Dibujo.h"
#include "Disposicion.h"
#include "Linea.h"
#include "Twips.h"
#include "frmConversorComun.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace Ventana;

frmConversor::frmConversor(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmConversor"));
    setWindowTitle(QStringLiteral("Conversor"));
    setWindowIcon(QIcon(QStringLiteral(":/convertir.gif")));
    CreaControles();
    CreaMenus();
    PoneTamanoExterior(Disposicion::TamanoDiseno);
    Conecta();
    // Messages about the settings file come before its language is applied.
    TraduceQt(Catalogo::Idiomas[0].CodigoQt);
#ifndef Q_OS_MACOS
    // On a Mac, Option with a letter types a character of its own.
    qApp->installEventFilter(this);
#endif
    Form_Load();
}

// No menu has an access key, so Alt with a letter would type the letter into a
// box. AltGr (Ctrl+Alt on Windows) and the Alt codes of the keypad still type.
bool frmConversor::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const auto *control = qobject_cast<QWidget *>(objeto);
        const Qt::KeyboardModifiers teclas = tecla->modifiers();
        if (control && isAncestorOf(control) && teclas.testFlag(Qt::AltModifier) &&
            !(teclas & (Qt::ControlModifier | Qt::KeypadModifier)) && !tecla->text().isEmpty() &&
            tecla->text().front().isPrint())
            return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

// ---- Design state ----------------------------------------------------------

namespace {

QLabel *Imagen(QWidget *padre, const char *nombre, const char *imagen, QRect lugar)
{
    auto *caja = new QLabel(padre);
    caja->setObjectName(QLatin1String(nombre));
    caja->setGeometry(lugar);
    if (imagen) {
        // A hidden holder with a border, sized to its picture.
        caja->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        caja->setLineWidth(2);
        caja->setPixmap(Dibujo(QLatin1String(imagen)));
        caja->resize(caja->sizeHint());
        caja->hide();
    }
    return caja;
}

QPushButton *Boton(QWidget *padre, const char *nombre, const char *imagen, QRect lugar)
{
    auto *boton = new QPushButton(padre);
    boton->setObjectName(QLatin1String(nombre));
    boton->setGeometry(lugar);
    const QPixmap dibujo = Dibujo(QLatin1String(imagen));
    QIcon icono(dibujo);
    icono.addPixmap(dibujo, QIcon::Active);
    boton->setIcon(icono);
    boton->setIconSize(dibujo.deviceIndependentSize().toSize());
    // Enter and keypad Enter press the focused button, as Space does.
    boton->setAutoDefault(true);
    return boton;
}

CuadroTexto *Caja(QWidget *padre, const char *nombre, QRect lugar)
{
    auto *caja = new CuadroTexto(padre);
    caja->setObjectName(QLatin1String(nombre));
    caja->setGeometry(lugar);
    return caja;
}

QLabel *Etiqueta(QWidget *padre, const char *nombre, QRect lugar)
{
    auto *etiqueta = new QLabel(QLatin1String(nombre), padre);
    etiqueta->setObjectName(QLatin1String(nombre));
    etiqueta->setGeometry(lugar);
    QFont letra = etiqueta->font();
    letra.setBold(true);
    etiqueta->setFont(letra);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, paleta.color(QPalette::Highlight));
    etiqueta->setPalette(paleta);
    return etiqueta;
}

}  // namespace

void frmConversor::CreaControles()
{
    auto *cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("cliente"));
    setCentralWidget(cliente);

    // In creation order: later controls lie above earlier ones.
    picSemaforo = Imagen(cliente, "picSemaforo", nullptr, Twips::Rectangulo(4680, 1560, 255, 495));
    picSemaforoVerde = Imagen(cliente, "picSemaforoVerde", ":/semaforo_verde.gif", Twips::Rectangulo(2640, 1440, 330, 660));
    picSemaforoAmarillo =
        Imagen(cliente, "picSemaforoAmarillo", ":/semaforo_amarillo.gif", Twips::Rectangulo(2280, 1440, 330, 660));
    picSemaforoRojo = Imagen(cliente, "picSemaforoRojo", ":/semaforo_rojo.gif", Twips::Rectangulo(1920, 1440, 330, 660));
    cmdCopiar = Boton(cliente, "cmdCopiar", ":/copiar.gif", Twips::Rectangulo(5040, 2160, 615, 495));
    cmdPegayCopia = Boton(cliente, "cmdPegayCopia", ":/pegaycopia.gif", Twips::Rectangulo(5040, 1560, 615, 495));
    cmdPegar = Boton(cliente, "cmdPegar", ":/pegar.gif", Twips::Rectangulo(5040, 360, 615, 495));
    cmdBorrar = Boton(cliente, "cmdBorrar", ":/borrar.gif", Twips::Rectangulo(5040, 960, 615, 495));
    cmdCerrar = Boton(cliente, "cmdCerrar", ":/cerrar.gif", Twips::Rectangulo(5040, 2760, 615, 495));
    cmdConvertir = Boton(cliente, "cmdConvertir", ":/convertir.gif", Twips::Rectangulo(3840, 1560, 615, 495));
    sConvertido = Caja(cliente, "sConvertido", Twips::Rectangulo(120, 2160, 4815, 1095));
    sOriginal = Caja(cliente, "sOriginal", Twips::Rectangulo(120, 360, 4815, 1095));
    Line1[1] = Linea(cliente, "Line1_1", QColor(128, 128, 128), Twips::Rectangulo(0, 0, 5760, 15));
    Line1[0] = Linea(cliente, "Line1_0", Qt::white, Twips::Rectangulo(0, 10, 5760, 30));
    lblConvertido = Etiqueta(cliente, "lblConvertido", Twips::Rectangulo(120, 1920, 1095, 255));
    lblOriginal = Etiqueta(cliente, "lblOriginal", Twips::Rectangulo(120, 120, 975, 255));

    setTabOrder(sOriginal, sConvertido);
    setTabOrder(sConvertido, cmdConvertir);
    setTabOrder(cmdConvertir, cmdCerrar);
    setTabOrder(cmdCerrar, cmdBorrar);
    setTabOrder(cmdBorrar, cmdPegar);
    setTabOrder(cmdPegar, cmdPegayCopia);
    setTabOrder(cmdPegayCopia, cmdCopiar);

    cliente->setMinimumSize(Twips::Cliente(Disposicion::TamanoMinimo));
}

void frmConversor::CreaMenus()
{
    const auto menu = [this](const char *nombre) {
        QMenu *m = menuBar()->addMenu(QLatin1String(nombre));
        m->setObjectName(QLatin1String(nombre));
        return m;
    };
    const auto elemento = [](QMenu *m, std::string_view nombre, const QString &texto, bool marcable, bool marcado) {
        QAction *a = m->addAction(texto);
        a->setObjectName(QString::fromUtf8(nombre.data(), qsizetype(nombre.size())));
        a->setCheckable(marcable);
        a->setChecked(marcado);
        return a;
    };
    const auto orden = [&](QMenu *m, const char *nombre) { return elemento(m, nombre, QLatin1String(nombre), false, false); };
    const auto marca = [&](QMenu *m, const char *nombre, bool marcado) {
        return elemento(m, nombre, QLatin1String(nombre), true, marcado);
    };

    QMenu *mnuArchivo = menu("mnuArchivo");
    mnuCerrar = orden(mnuArchivo, "mnuCerrar");

    QMenu *mnuModo = menu("mnuModo");
    mnuTextoaHTML = marca(mnuModo, "mnuTextoaHTML", true);
    mnuHTMLaTexto = marca(mnuModo, "mnuHTMLaTexto", false);

    QMenu *mnuConversion = menu("mnuConversion");
    mnuPegar = orden(mnuConversion, "mnuPegar");
    mnuConvertir = orden(mnuConversion, "mnuConvertir");
    mnuCopiarResultado = orden(mnuConversion, "mnuCopiarResultado");
    mnuConvertirPortapapeles = orden(mnuConversion, "mnuConvertirPortapapeles");

    QMenu *mnuOpciones = menu("mnuOpciones");
    for (std::size_t i = 0; i < Opciones::Tabla.size(); ++i) {
        const Opciones::Opcion &opcion = Opciones::Tabla[i];
        opciones_[i] = elemento(mnuOpciones, opcion.Item, QString::fromUtf8(opcion.Item.data(), qsizetype(opcion.Item.size())),
                                true, opcion.PorDefecto);
    }

    // The language items show each name in its own language, in every language.
    QMenu *mnuIdioma = menu("mnuIdioma");
    for (std::size_t i = 0; i < Catalogo::Idiomas.size(); ++i) {
        const Catalogo::Idioma &idioma = Catalogo::Idiomas[i];
        idiomas_[i] = elemento(mnuIdioma, idioma.Item, QString::fromUtf8(idioma.Rotulo), true, i == 0);
    }

    QMenu *mnuAyuda = menu("mnuAyuda");
    mnuWeb = orden(mnuAyuda, "mnuWeb");
    mnuAcerca = orden(mnuAyuda, "mnuAcerca");
}

void frmConversor::Conecta()
{
    connect(cmdConvertir, &QPushButton::clicked, this, &frmConversor::cmdConvertir_Click);
    connect(cmdBorrar, &QPushButton::clicked, this, &frmConversor::cmdBorrar_Click);
    connect(cmdPegar, &QPushButton::clicked, this, &frmConversor::cmdPegar_Click);
    connect(cmdCopiar, &QPushButton::clicked, this, &frmConversor::cmdCopiar_Click);
    connect(cmdPegayCopia, &QPushButton::clicked, this, &frmConversor::cmdPegayCopia_Click);
    connect(cmdCerrar, &QPushButton::clicked, this, &frmConversor::cmdCerrar_Click);

    // A menu item that stands for a button runs that button's handler,
    // whatever the button's enabled state.
    connect(mnuCerrar, &QAction::triggered, this, &frmConversor::cmdCerrar_Click);
    connect(mnuPegar, &QAction::triggered, this, &frmConversor::cmdPegar_Click);
    connect(mnuConvertir, &QAction::triggered, this, &frmConversor::cmdConvertir_Click);
    connect(mnuCopiarResultado, &QAction::triggered, this, &frmConversor::cmdCopiar_Click);
    connect(mnuConvertirPortapapeles, &QAction::triggered, this, &frmConversor::cmdPegayCopia_Click);
    connect(mnuWeb, &QAction::triggered, this, &frmConversor::mnuWeb_Click);
    connect(mnuAcerca, &QAction::triggered, this, &frmConversor::mnuAcerca_Click);

    // Qt ticks a checkable item before it reports the click; the handlers set
    // the marks themselves, from the mark the user saw.
    const auto marcable = [this](QAction *item, auto manejador) {
        connect(item, &QAction::triggered, this, [item, manejador](bool marcado) {
            item->setChecked(!marcado);
            manejador();
        });
    };
    marcable(mnuTextoaHTML, [this] { mnuTextoaHTML_Click(); });
    marcable(mnuHTMLaTexto, [this] { mnuHTMLaTexto_Click(); });
    for (QAction *opcion : opciones_)
        marcable(opcion, [this, opcion] { CambiaOpcion(opcion); });
    for (QAction *idioma : idiomas_)
        marcable(idioma, [this, idioma] { EligeIdioma(idioma); });

    connect(sOriginal, &CuadroTexto::textChanged, this, &frmConversor::sOriginal_Change);
}

// ---- Start-up and shutdown -------------------------------------------------

void frmConversor::Form_Load()
{
    setWindowTitle(QStringLiteral("%1 v%2.%3")
                       .arg(Titulo)
                       .arg(VELMORA_VERSION_MAYOR)
                       .arg(VELMORA_VERSION_MENOR, 2, 10, QLatin1Char('0')));
    LeeConfiguracion();
    ActualizaIdioma();
    PoneEstado(PendienteProcesar);
}

void frmConversor::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmConversor::Form_Unload()
{
    GuardaConfiguracion();
}

// ---- Size and layout -------------------------------------------------------------

// The client area is the window less the menu bar, unless the platform shows
// the menu bar outside the window. Measured the same way before the window is
// first shown (when the settings are read) and after.
int frmConversor::AltoMenu(int ancho) const
{
    if (menuBar()->isNativeMenuBar())
        return 0;
    return std::max(menuBar()->heightForWidth(ancho), menuBar()->sizeHint().height());
}

QSizeF frmConversor::TamanoExterior() const
{
    // At a fractional scale the window system keeps the size in whole steps of
    // its own pixels (1.5 pixels ask for steps of 2), which can take a pixel
    // off the size set; within that pixel the window still has the size set.
    QSize tamano = size();
    if (std::abs(tamano.width() - pedido_.width()) <= 1 && std::abs(tamano.height() - pedido_.height()) <= 1)
        tamano = pedido_;
    return Twips::Exterior({tamano.width(), tamano.height() - AltoMenu(tamano.width())});
}

void frmConversor::PoneTamanoExterior(QSizeF twips)
{
    // A size beyond the available area of the screen gives that area; the
    // minimum holds even on a screen smaller than it.
    const QSize minimo = centralWidget()->minimumSize();
    const QSize mayor = TamanoPantalla();
    const QSize pedido = Twips::Cliente(twips);
    const int ancho = std::max(minimo.width(), std::min(pedido.width(), mayor.width()));
    const int alto = std::max(minimo.height(), std::min(pedido.height(), mayor.height() - AltoMenu(ancho)));
    pedido_ = QSize(ancho, alto + AltoMenu(ancho));
    resize(pedido_);
}

// The largest window that the available area (without task bars and docks) of
// the screen it is on, or will open on, holds with its frame. The frame is
// known only once the window is shown; a maximised window is never larger.
QSize frmConversor::TamanoPantalla() const
{
    return screen()->availableGeometry().size() - (frameGeometry().size() - size());
}

void frmConversor::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmConversor::Form_Resize()
{
    if (isMinimized())
        return;
    const Disposicion::Reparto reparto = Disposicion::Reparte(TamanoExterior());
    for (QFrame *linea : Line1)
        linea->resize(reparto.AnchoLineas, linea->height());
    for (const Disposicion::Lugar &lugar : reparto.Lugares) {
        auto *control = findChild<QWidget *>(QLatin1String(lugar.Control));
        control->setGeometry({lugar.Esquina, lugar.Tamano.value_or(control->size())});
    }
}
