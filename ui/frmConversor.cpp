#include "frmConversor.h"

#include "Catalogo.h"
#include "CuadroTexto.h"
#include "Configuracion.h"
#include "ConversionesTextoHTML.h"
#include "Dibujo.h"
#include "Disposicion.h"
#include "Linea.h"
#include "Portapapeles.h"
#include "Twips.h"
#include "Version.h"
#include "frmAbout.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString Titulo = QStringLiteral(VELMORA_TITULO);
const QString PendienteProcesar = QStringLiteral("Pendiente procesar");
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

std::u16string_view Vista(const QString &texto)
{
    return {reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())};
}

QString Q(std::u16string_view texto)
{
    return QString::fromUtf16(texto.data(), qsizetype(texto.size()));
}

// A folder, or on Windows a hidden or system file, counts as no settings file.
bool EsArchivoNormal(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile() || !info.isReadable())
        return false;
#ifdef Q_OS_WIN
    const DWORD atributos = GetFileAttributesW(reinterpret_cast<LPCWSTR>(ruta.utf16()));
    if (atributos == INVALID_FILE_ATTRIBUTES || (atributos & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return false;
#endif
    return true;
}

// Labels were designed for a smaller font: they widen rather than cut their text.
void PoneTextoEtiqueta(QLabel *etiqueta, const QString &texto)
{
    etiqueta->setText(texto);
    etiqueta->resize(std::max(etiqueta->width(), etiqueta->sizeHint().width()), etiqueta->height());
}

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

// An image button says what it does only in its tooltip, so screen readers
// are given the same words.
void PoneAyuda(QWidget *boton, const QString &texto)
{
    boton->setToolTip(texto);
    boton->setAccessibleName(texto);
}

QString RutaConfiguracion()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Velmora.cfg");
}

}  // namespace

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

// ---- Commands ----------------------------------------------------------------

void frmConversor::cmdConvertir_Click()
{
    const Ocupado ocupado(this);
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

    // Each text is let go as soon as the next one is made, so that at most
    // two copies of it are alive at once.
    std::u16string resultado;
    {
        const QString origen = sOriginal->toPlainText();
        resultado = ConversionesTextoHTML::ConvierteTextoHTML(Vista(origen), modo, opciones);
    }
    sConvertido->PoneTexto(std::move(resultado));
    PoneEstado(Procesado);
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
        Mensaje(QMessageBox::Critical, Titulo, QStringLiteral("No se puede leer el portapapeles."));
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
    const QString texto = sConvertido->toPlainText();
    portapapeles->setText(texto);
    if (!portapapeles->mimeData() || portapapeles->text() != texto)
        Mensaje(QMessageBox::Critical, Titulo, QStringLiteral("No se puede escribir en el portapapeles."));
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

// ---- Languages ---------------------------------------------------------------

void frmConversor::PoneIdioma(const QString &Idioma)
{
    const auto &idiomas = Catalogo::Idiomas;
    const auto idioma = std::find_if(idiomas.begin(), idiomas.end(), [&](const Catalogo::Idioma &i) {
        return Idioma == QString::fromUtf8(i.Nombre);
    });
    if (idioma == idiomas.end()) {
        Mensaje(QMessageBox::Critical, QStringLiteral("Idioma no contemplado"), QStringLiteral("Idioma no contemplado."));
        return;
    }
    const auto columna = std::size_t(idioma - idiomas.begin());
    TraduceQt(idioma->CodigoQt);
    for (const Catalogo::Fila &fila : Catalogo::Filas) {
        QObject *destino = findChild<QObject *>(QLatin1String(fila.Control));
        if (fila.Que == Catalogo::Destino::Tooltip) {
            PoneAyuda(qobject_cast<QWidget *>(destino), QString::fromUtf8(fila.Textos[columna]));
            continue;
        }
        const QString texto = fila.Que == Catalogo::Destino::TooltipDe
                                  ? findChild<QWidget *>(QLatin1String(fila.Boton))->toolTip()
                                  : QString::fromUtf8(fila.Textos[columna]);
        if (auto *menu = qobject_cast<QMenu *>(destino))
            menu->setTitle(texto);
        else if (auto *item = qobject_cast<QAction *>(destino))
            item->setText(texto);
        else if (auto *etiqueta = qobject_cast<QLabel *>(destino))
            PoneTextoEtiqueta(etiqueta, texto);
    }
}

// One translator serves every window. Deployed programs carry Qt's
// translations either per module (qtbase_) or merged (qt_).
void frmConversor::TraduceQt(const char *codigo)
{
    // Qt's own texts, and the text boxes' context menu, which QScintilla
    // translates apart; it has no Catalan, so Catalan takes its Spanish.
    static QTranslator *qt = new QTranslator(qApp);
    static QTranslator *cajas = new QTranslator(qApp);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (QTranslator *traductor : {qt, cajas})
        QCoreApplication::removeTranslator(traductor);
    if (!codigo)
        return;
    const QString idioma = QLatin1String(codigo);
    if (qt->load(QLatin1String("qtbase_") + idioma, carpeta) || qt->load(QLatin1String("qt_") + idioma, carpeta))
        QCoreApplication::installTranslator(qt);
    if (cajas->load(QLatin1String("qscintilla_") + idioma, carpeta) || cajas->load(QStringLiteral("qscintilla_es"), carpeta))
        QCoreApplication::installTranslator(cajas);
}

QString frmConversor::IdiomaActual() const
{
    QString idioma;
    for (std::size_t i = 0; i < idiomas_.size(); ++i) {
        if (idiomas_[i]->isChecked())
            idioma = QString::fromUtf8(Catalogo::Idiomas[i].Nombre);
    }
    return idioma;
}

QString frmConversor::ModoActual() const
{
    QString modo;
    if (mnuTextoaHTML->isChecked())
        modo = Q(Configuracion::Modos[0]);
    if (mnuHTMLaTexto->isChecked())
        modo = Q(Configuracion::Modos[1]);
    return modo;
}

void frmConversor::ActualizaIdioma()
{
    PoneIdioma(IdiomaActual());
}

void frmConversor::EligeIdioma(QAction *idioma)
{
    for (QAction *item : idiomas_)
        item->setChecked(item == idioma);
    ActualizaIdioma();
}

// ---- Settings file -------------------------------------------------------------

void frmConversor::LeeConfiguracion()
{
    const QString ruta = RutaConfiguracion();
    if (!EsArchivoNormal(ruta))
        return;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    Configuracion::Lector lector(MarcasActuales(), [this](Configuracion::Aviso aviso) {
        Mensaje(QMessageBox::Warning, Titulo, Q(Configuracion::TextoAviso(aviso)));
    });
    // A piece at a time, so that a huge file costs time, not memory.
    QByteArray trozo(1 << 16, Qt::Uninitialized);
    for (qint64 leidos; (leidos = archivo.read(trozo.data(), trozo.size())) > 0;)
        lector.Anade({trozo.constData(), std::size_t(leidos)});
    PoneMarcas(lector.Termina());
}

Configuracion::Marcas frmConversor::MarcasActuales() const
{
    Configuracion::Marcas marcas;
    for (std::size_t i = 0; i < idiomas_.size(); ++i)
        marcas.Idiomas[i] = idiomas_[i]->isChecked();
    marcas.Modos = {mnuTextoaHTML->isChecked(), mnuHTMLaTexto->isChecked()};
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        marcas.Opciones[i] = opciones_[i]->isChecked();
    return marcas;
}

void frmConversor::PoneMarcas(const Configuracion::Marcas &marcas)
{
    for (std::size_t i = 0; i < idiomas_.size(); ++i)
        idiomas_[i]->setChecked(marcas.Idiomas[i]);
    mnuTextoaHTML->setChecked(marcas.Modos[0]);
    mnuHTMLaTexto->setChecked(marcas.Modos[1]);
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        opciones_[i]->setChecked(marcas.Opciones[i]);
    if (marcas.Ancho || marcas.Alto) {
        const QSizeF actual = TamanoExterior();
        PoneTamanoExterior({marcas.Ancho.value_or(actual.width()), marcas.Alto.value_or(actual.height())});
    }
}

// Written whole at every close, through a temporary file that replaces the old
// one only when complete; where the folder takes no new file, the old file is
// rewritten in place. Only a regular file is replaced, and a link is followed
// to it, as editors do: a device or a pipe of that name is left alone.
void frmConversor::GuardaConfiguracion() const
{
    const QFileInfo info(RutaConfiguracion());
    if (info.exists() && !info.isFile())
        return;
    const QString destino = !info.isSymLink() ? info.filePath()
                            : info.exists()   ? info.canonicalFilePath()
                                              : info.symLinkTarget();
    Configuracion::Guardado guardado{std::u16string(Vista(IdiomaActual())), std::u16string(Vista(ModoActual())), {}, 0, 0};
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        guardado.Opciones[i] = opciones_[i]->isChecked();
    const QSizeF tamano = TamanoExterior();
    guardado.Ancho = tamano.width();
    guardado.Alto = tamano.height();
    const std::string bytes = Configuracion::Escribe(guardado);

    QSaveFile archivo(destino);
    archivo.setDirectWriteFallback(true);
    if (!archivo.open(QIODevice::WriteOnly))
        return;
    // commit() overlooks a write that fails while it flushes the buffer (disk
    // full, size limit) and would put a cut file in place of the old one.
    if (archivo.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && archivo.flush())
        archivo.commit();
    else
        archivo.cancelWriting();
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
