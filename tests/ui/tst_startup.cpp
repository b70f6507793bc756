// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the main window: the title, the state it opens in
// with and without a settings file, and the settings written by every way of
// closing it.

#include "Ayudas.h"

#include <QMenu>
#include <QWindow>

#include <cmath>

using namespace Ayudas;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init() { entorno.Empieza(); }
    void cleanup() { QCOMPARE(entorno.Termina(), QStringList()); }

    void startWithoutSettingsFileOpensInTheDesignState();
    void startWithEnglishShowsEnglishFromTheFirstShow();
    void unrecognisedLineIsReportedBeforeTheWindowAppears_data();
    void unrecognisedLineIsReportedBeforeTheWindowAppears();
    void startInHtmlToTextLeavesTheOptionItemsEnabled();
    void closedMaximisedOrMinimisedStoresTheSizeItHad_data();
    void closedMaximisedOrMinimisedStoresTheSizeItHad();
    void savedSizeComesBackExactly_data();
    void savedSizeComesBackExactly();
    void everyWayOfClosingWritesTheSettings_data();
    void everyWayOfClosingWritesTheSettings();

private:
    Entorno entorno;
};

void StartupTest::startWithoutSettingsFileOpensInTheDesignState()
{
    CierraAvisos avisos;
    frmConversor ventana;
    Muestra(&ventana);

    QCOMPARE(ventana.windowTitle(), QStringLiteral("Velmora v1.03"));
    QCOMPARE(Marcados(&ventana), QStringList({"mnuTextoaHTML", "mnuCRtrasBR", "mnuCastellano"}));
    QCOMPARE(Item(&ventana, "mnuTextoaHTML")->text(), QStringLiteral("Texto a HTML"));
    QCOMPARE(Boton(&ventana, "cmdBorrar")->toolTip(), QStringLiteral("Borrar"));
    QCOMPARE(ventana.TamanoExterior(), QSizeF(5865, 4020));
    QCOMPARE(EstadoVisible(&ventana), QStringLiteral("Pendiente procesar"));
    QCOMPARE(Texto(&ventana, "sOriginal"), QString());
    QCOMPARE(Texto(&ventana, "sConvertido"), QString());
    QCOMPARE(avisos.Textos(), QStringList());
    QVERIFY(!QFileInfo::exists(RutaConfiguracion()));  // nothing is written before closing

    ventana.close();
    const QList<QByteArray> lineas = LeeConfiguracionEscrita().split('\n');
    QCOMPARE(lineas.size(), 11);
    QCOMPARE(lineas.last(), QByteArray());
    const char *claves[] = {"Idioma=", "Modo=", "Unicode=", "EntidadesHTML=", "Saltos=",
                            "SoloCR=", "Espacios=", "CRtrasBR=", "Ancho=", "Alto="};
    for (int i = 0; i < 10; ++i) {
        QVERIFY2(lineas[i].startsWith(claves[i]) && lineas[i].endsWith('\r'), lineas[i].constData());
    }
}

void StartupTest::startWithEnglishShowsEnglishFromTheFirstShow()
{
    QVERIFY(EscribeConfiguracion("Idioma=English\r\n"));

    // What the window shows at the moment it first becomes visible.
    struct AlMostrar : QObject {
        QStringList Textos;
        bool eventFilter(QObject *objeto, QEvent *evento) override
        {
            if (evento->type() == QEvent::Show && Textos.isEmpty()) {
                auto *ventana = static_cast<QWidget *>(objeto);
                Textos << ventana->windowTitle() << Boton(ventana, "cmdConvertir")->toolTip()
                       << Boton(ventana, "cmdCerrar")->toolTip() << Item(ventana, "mnuConvertir")->text()
                       << Control<QLabel>(ventana, "lblConvertido")->text()
                       << Control<QMenu>(ventana, "mnuOpciones")->title();
            }
            return false;
        }
    } vigia;

    frmConversor ventana;
    ventana.installEventFilter(&vigia);
    Muestra(&ventana);
    QCOMPARE(vigia.Textos,
             QStringList({"Velmora v1.03", "Convert", "Close", "Convert", "Converted:", "Options"}));
}

void StartupTest::unrecognisedLineIsReportedBeforeTheWindowAppears_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QStringList>("marcas");

    QTest::newRow("an unknown language is reported, then Castellano is used")
        << QByteArray("Idioma=Klingon\r\nSaltos=Si\r\n") << "Idioma no reconocido en Velmora.cfg"
        << QStringList{"mnuTextoaHTML", "mnuSaltos", "mnuCRtrasBR", "mnuCastellano"};
    QTest::newRow("an unknown direction is reported, then Texto a HTML is used")
        << QByteArray("Idioma=English\r\nModo=al revés\r\n") << "Modo no reconocido en Velmora.cfg"
        << QStringList{"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"};
}

void StartupTest::unrecognisedLineIsReportedBeforeTheWindowAppears()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, aviso);
    QFETCH(QStringList, marcas);

    QVERIFY(EscribeConfiguracion(contenido));
    CierraAvisos avisos;
    frmConversor ventana;
    QCOMPARE(avisos.Avisos.size(), 1);
    QCOMPARE(avisos.Avisos[0].Texto, aviso);
    QCOMPARE(avisos.Avisos[0].Titulo, QStringLiteral("Velmora"));
    QCOMPARE(avisos.Avisos[0].Icono, QMessageBox::Warning);
    QVERIFY(!avisos.Avisos[0].VentanaVisible);
    // With no window to stand over, the box stands in the middle of the screen.
    const QPoint centro = avisos.Avisos[0].Lugar.center() - ventana.screen()->availableGeometry().center();
    QVERIFY2(centro.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2 from the centre").arg(centro.x()).arg(centro.y())));

    Muestra(&ventana);
    QCOMPARE(Marcados(&ventana), marcas);
    QCOMPARE(Item(&ventana, "mnuCerrar")->text(),
             QString::fromLatin1(ventana.IdiomaActual() == QLatin1String("English") ? "Close" : "Cerrar"));
    QCOMPARE(EstadoVisible(&ventana), QStringLiteral("Pendiente procesar"));
    QCOMPARE(avisos.Avisos.size(), 1);
}

void StartupTest::startInHtmlToTextLeavesTheOptionItemsEnabled()
{
    QVERIFY(EscribeConfiguracion("Modo=HTML a Texto\r\nUnicode=Si\r\n"));
    frmConversor ventana;
    Muestra(&ventana);
    const QStringList items{"mnuUnicode", "mnuEntidadesHtml", "mnuCRtrasBR"};
    for (const QString &item : items)
        QVERIFY2(Item(&ventana, item)->isEnabled(), qPrintable(item));

    // Choosing the direction from the menu, already ticked, disables them and changes nothing else.
    const QStringList marcas = Marcados(&ventana);
    Item(&ventana, "mnuHTMLaTexto")->trigger();
    for (const QString &item : items)
        QVERIFY2(!Item(&ventana, item)->isEnabled(), qPrintable(item));
    QCOMPARE(Marcados(&ventana), marcas);
    QCOMPARE(EstadoVisible(&ventana), QStringLiteral("Pendiente procesar"));
}

void StartupTest::closedMaximisedOrMinimisedStoresTheSizeItHad_data()
{
    QTest::addColumn<Qt::WindowState>("estado");
    QTest::newRow("closed maximised, the next start opens a normal window of that size") << Qt::WindowMaximized;
    QTest::newRow("closed minimised, the next start opens a normal window of that size") << Qt::WindowMinimized;
}

void StartupTest::closedMaximisedOrMinimisedStoresTheSizeItHad()
{
    QFETCH(Qt::WindowState, estado);

    QSizeF tamano;
    {
        frmConversor ventana;
        Muestra(&ventana);
        ventana.PoneTamanoExterior({7005, 5010});
        ventana.setWindowState(estado);
        QTest::qWait(50);
        if (ventana.windowState() != estado)
            QSKIP("The platform plugin does not take this window state");
        tamano = ventana.TamanoExterior();
        ventana.close();
    }
    const QByteArray archivo = LeeConfiguracionEscrita();
    QVERIFY2(archivo.contains("\r\nAncho=" + QByteArray::number(qint64(tamano.width())) + "\r\nAlto=" +
                              QByteArray::number(qint64(tamano.height())) + "\r\n"),
             archivo.constData());

    frmConversor otra;
    Muestra(&otra);
    QCOMPARE(otra.windowState(), Qt::WindowNoState);
    QCOMPARE(otra.TamanoExterior(), tamano);
}

void StartupTest::savedSizeComesBackExactly_data()
{
    QTest::addColumn<QByteArray>("tamano");  // the two size lines

    QTest::newRow("the design size") << QByteArray("Ancho=5865\r\nAlto=4020\r\n");
    QTest::newRow("one pixel taller, an odd number of pixels") << QByteArray("Ancho=5865\r\nAlto=4035\r\n");
    QTest::newRow("one pixel wider and taller") << QByteArray("Ancho=5880\r\nAlto=4035\r\n");
    QTest::newRow("the minimum") << QByteArray("Ancho=4740\r\nAlto=3780\r\n");
    QTest::newRow("larger") << QByteArray("Ancho=9000\r\nAlto=6000\r\n");
}

namespace {

// The sides of the two boxes that show no frame line in the window as drawn:
// along the middle of each side, the two outermost pixels of the box (in
// window units) hold none darker than both the window and the box's paper.
QStringList BordesPerdidos(QWidget *ventana)
{
    const QImage imagen = ventana->grab().toImage();
    const qreal escala = imagen.devicePixelRatio();
    QStringList perdidos;
    for (const char *nombre : {"sOriginal", "sConvertido"}) {
        const CuadroTexto *caja = Caja(ventana, QLatin1String(nombre));
        const QRectF r(caja->mapTo(ventana, QPoint(0, 0)), caja->size());
        const int claro = std::min(qGray(caja->palette().color(QPalette::Window).rgb()),
                                   qGray(caja->palette().color(QPalette::Base).rgb()));
        // Device pixels [desde, hasta) across the side, at `a` along it.
        const auto hayLinea = [&](bool horizontal, qreal desde, qreal hasta, qreal a) {
            for (int i = int(std::floor(desde * escala)); i < int(std::ceil(hasta * escala)); ++i) {
                const int x = horizontal ? int(a * escala) : i, y = horizontal ? i : int(a * escala);
                if (qGray(imagen.pixel(x, y)) < claro - 24)
                    return true;
            }
            return false;
        };
        const qreal medioX = r.center().x(), medioY = r.center().y();
        const std::pair<const char *, bool> lados[] = {
            {"top", hayLinea(true, r.top(), r.top() + 2, medioX)},
            {"bottom", hayLinea(true, r.bottom() - 2, r.bottom(), medioX)},
            {"left", hayLinea(false, r.left(), r.left() + 2, medioY)},
            {"right", hayLinea(false, r.right() - 2, r.right(), medioY)},
        };
        for (const auto &[lado, hay] : lados) {
            if (!hay)
                perdidos << QStringLiteral("%1 %2").arg(QLatin1String(nombre), QLatin1String(lado));
        }
    }
    return perdidos;
}

}  // namespace

// Started and closed twice at whatever scale the test runs at (see the
// ui_scale tests, which run it under a window manager at 1, 1.25, 1.5 and 2);
// at each size both boxes keep their four frame lines.
void StartupTest::savedSizeComesBackExactly()
{
    QFETCH(QByteArray, tamano);

    QVERIFY(EscribeConfiguracion(tamano));
    for (int vez = 1; vez <= 2; ++vez) {
        frmConversor ventana;
        Muestra(&ventana);
        QTest::qWait(100);  // the window manager's answer
        QCOMPARE(BordesPerdidos(&ventana), QStringList());
        ventana.close();
        const QByteArray archivo = LeeConfiguracionEscrita();
        QVERIFY2(archivo.endsWith(tamano), archivo.constData());
    }
}

void StartupTest::everyWayOfClosingWritesTheSettings_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("the Close button writes the settings") << "cmdCerrar";
    QTest::newRow("the Close menu item writes the settings") << "mnuCerrar";
    QTest::newRow("closing the widget writes the settings") << "close";
    QTest::newRow("the window system's close box writes the settings") << "window";
}

void StartupTest::everyWayOfClosingWritesTheSettings()
{
    QFETCH(QString, como);

    CierraAvisos avisos;
    frmConversor ventana;
    Muestra(&ventana);
    Item(&ventana, "mnuEnglish")->trigger();
    Item(&ventana, "mnuEspacios")->trigger();
    Caja(&ventana, "sOriginal")->setPlainText(QStringLiteral("sin guardar"));  // dropped without a question

    if (como == QLatin1String("cmdCerrar"))
        Pulsa(Boton(&ventana, como));
    else if (como == QLatin1String("mnuCerrar"))
        Item(&ventana, como)->trigger();
    else if (como == QLatin1String("close"))
        QVERIFY(ventana.close());
    else
        ventana.windowHandle()->close();

    QTRY_VERIFY(!ventana.isVisible());
    const QByteArray archivo = LeeConfiguracionEscrita();
    QVERIFY2(archivo.startsWith("Idioma=English\r\nModo=Texto a HTML\r\n"), archivo.constData());
    QVERIFY(archivo.contains("\r\nEspacios=Si\r\n"));
    QCOMPARE(archivo.count('\n'), 10);
    QCOMPARE(avisos.Textos(), QStringList());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
