// SPDX-License-Identifier: GPL-3.0-or-later
// The About box and the web links: its texts, its single instance, the keys
// that close it, the pages each link opens, the online help item, and the
// program ending only when both windows are closed.

#include "Ayudas.h"
#include "Version.h"
#include "frmAbout.h"

#include <QDesktopServices>
#include <QDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QUrl>

#include <functional>

using namespace Ayudas;

namespace {

const QString Web = QStringLiteral(VELMORA_WEB);

QList<QWidget *> Acercas()
{
    QList<QWidget *> acercas;
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (ventana->objectName() == QLatin1String("frmAbout"))
            acercas << ventana;
    }
    return acercas;
}

QWidget *Acerca()
{
    const QList<QWidget *> acercas = Acercas();
    return acercas.size() == 1 && acercas.first()->isVisible() ? acercas.first() : nullptr;
}

QString TextoDe(const QWidget *acerca, const QString &control)
{
    if (control.isEmpty())
        return acerca->windowTitle();
    if (auto *boton = acerca->findChild<QPushButton *>(control))
        return boton->text();
    // As shown: the notice is rich text, for its link.
    const QLabel *etiqueta = Control<QLabel>(acerca, control);
    if (etiqueta->textFormat() == Qt::RichText)
        return QTextDocumentFragment::fromHtml(etiqueta->text()).toPlainText();
    return etiqueta->text();
}

const QStringList TextosAcerca{"", "lblTitle", "lblVersion", "lblDescription", "lblURL", "lblDisclaimer", "cmdOK"};

}  // namespace

class AboutTest : public QObject
{
    Q_OBJECT

public slots:
    void AbreUrl(const QUrl &url) { urls << url.toString(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void aboutBoxShowsItsTexts_data();
    void aboutBoxShowsItsTexts();
    void noticeTakesTwoLines();
    void aboutBoxReadsTheSameInEveryLanguage_data();
    void aboutBoxReadsTheSameInEveryLanguage();
    void aboutOpensOnlyOnce_data();
    void aboutOpensOnlyOnce();
    void okButtonHasTheFocusWhenTheBoxOpens();
    void frameOffersOnlyTheCloseBox();
    void keysAndButtonsCloseTheBox_data();
    void keysAndButtonsCloseTheBox();
    void clicksOpenTheirPages_data();
    void clicksOpenTheirPages();
    void licenceLinkOpensTheLicenceText_data();
    void licenceLinkOpensTheLicenceText();
    void onlineHelpOpensTheInstructionsInEveryLanguage_data();
    void onlineHelpOpensTheInstructionsInEveryLanguage();
    void programEndsOnlyWhenBothWindowsHaveClosed_data();
    void programEndsOnlyWhenBothWindowsHaveClosed();

private:
    QWidget *AbreAcerca();
    std::unique_ptr<frmConversor> ventana;
    QStringList urls;
    Entorno entorno;
};

void AboutTest::initTestCase()
{
    CallaPlataforma();
    for (const QString esquema : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(esquema, this, "AbreUrl");
}

void AboutTest::cleanupTestCase()
{
    for (const QString esquema : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(esquema);
}

void AboutTest::init()
{
    entorno.Empieza();
    urls.clear();
    ventana = std::make_unique<frmConversor>();
    Muestra(ventana.get());
}

void AboutTest::cleanup()
{
    for (QWidget *acerca : Acercas())
        acerca->close();
    QTRY_VERIFY(Acercas().isEmpty());
    ventana.reset();
    QCOMPARE(entorno.Termina(), QStringList());
}

QWidget *AboutTest::AbreAcerca()
{
    Item(ventana.get(), QStringLiteral("mnuAcerca"))->trigger();
    QWidget *acerca = Acerca();
    if (acerca && !QTest::qWaitForWindowExposed(acerca))
        qWarning("The About box was not exposed");
    return acerca;
}

void AboutTest::aboutBoxShowsItsTexts_data()
{
    QTest::addColumn<QString>("control");  // empty for the title bar
    QTest::addColumn<QString>("texto");

    QTest::newRow("the title bar reads Acerca de Velmora") << "" << "Acerca de Velmora";
    QTest::newRow("the title label reads Velmora") << "lblTitle" << "Velmora";
    QTest::newRow("the version reads 1.3.0, not 1.03") << "lblVersion" << "Versión 1.3.0";
    QTest::newRow("the description names both directions") << "lblDescription" << "Conversor Texto <-> HTML";
    QTest::newRow("the address is the program's page") << "lblURL" << QUrl(Web).host() + "/velmora/";
    QTest::newRow("the one button reads Aceptar") << "cmdOK" << "Aceptar";
    QTest::newRow("the notice says free, without warranty, under GPL-3.0-or-later")
        << "lblDisclaimer" << "© 2026 Los autores de Velmora.\nLibre y sin garantía: GPL-3.0-or-later.";
}

void AboutTest::aboutBoxShowsItsTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, texto);

    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    QCOMPARE(TextoDe(acerca, control), texto);
    if (!control.isEmpty()) {
        // Shown whole, not cut by its control.
        const QWidget *c = Control<QWidget>(acerca, control);
        QVERIFY2(c->width() >= c->sizeHint().width(), qPrintable(QString::number(c->sizeHint().width())));
    }
}

void AboutTest::noticeTakesTwoLines()
{
    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    const QLabel *aviso = Control<QLabel>(acerca, QStringLiteral("lblDisclaimer"));
    const QStringList lineas = TextoDe(acerca, QStringLiteral("lblDisclaimer")).split(QRegularExpression(QStringLiteral("\r\n|\n")));
    QCOMPARE(lineas.size(), 2);
    QVERIFY(!lineas[0].trimmed().isEmpty() && !lineas[1].trimmed().isEmpty());
    QVERIFY(lineas[0].contains(QLatin1String("Velmora")));
    QVERIFY2(aviso->height() >= aviso->sizeHint().height() && aviso->width() >= aviso->sizeHint().width(),
             qPrintable(QStringLiteral("%1 x %2").arg(aviso->sizeHint().width()).arg(aviso->sizeHint().height())));
}

void AboutTest::frameOffersOnlyTheCloseBox()
{
    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    // Without the customising flag the window system adds its default buttons.
    const Qt::WindowFlags marco = acerca->windowHandle()->flags();
    QVERIFY(marco.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(marco & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(acerca->minimumSize(), acerca->maximumSize());
}

void AboutTest::aboutBoxReadsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("item");
    for (const char *item : {"mnuCastellano", "mnuCatalán", "MnuGallego", "mnuEnglish"})
        QTest::addRow("with %s chosen", item) << QString::fromUtf8(item);
}

void AboutTest::aboutBoxReadsTheSameInEveryLanguage()
{
    QFETCH(QString, item);

    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    QStringList castellano;
    for (const QString &control : TextosAcerca)
        castellano << TextoDe(acerca, control);
    acerca->close();
    QTRY_VERIFY(Acercas().isEmpty());

    Item(ventana.get(), item)->trigger();
    acerca = AbreAcerca();
    QVERIFY(acerca);
    QStringList textos;
    for (const QString &control : TextosAcerca)
        textos << TextoDe(acerca, control);
    QCOMPARE(textos, castellano);
}

void AboutTest::aboutOpensOnlyOnce_data()
{
    QTest::addColumn<bool>("porMenu");
    QTest::newRow("the About item twice leaves one box") << true;
    QTest::newRow("showing the box twice leaves one box") << false;
}

void AboutTest::aboutOpensOnlyOnce()
{
    QFETCH(bool, porMenu);

    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    // Texts are filled in when the box is loaded, not each time it is brought forward.
    Control<QLabel>(acerca, QStringLiteral("lblVersion"))->setText(QStringLiteral("ya cargado"));
    ventana->activateWindow();

    if (porMenu)
        Item(ventana.get(), QStringLiteral("mnuAcerca"))->trigger();
    else
        frmAbout::Muestra();

    QCOMPARE(Acercas().size(), 1);
    QCOMPARE(Acerca(), acerca);
    QCOMPARE(TextoDe(acerca, QStringLiteral("lblVersion")), QStringLiteral("ya cargado"));
    // The main window stays usable: the box does not block it.
    QVERIFY(!acerca->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(ventana->isEnabled());
}

void AboutTest::okButtonHasTheFocusWhenTheBoxOpens()
{
    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    QVERIFY(QTest::qWaitForWindowActive(acerca));
    QCOMPARE(acerca->focusWidget(), Control<QWidget>(acerca, QStringLiteral("cmdOK")));
}

void AboutTest::keysAndButtonsCloseTheBox_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("Return closes the box") << "Return";
    QTest::newRow("Enter closes the box") << "Enter";
    QTest::newRow("Esc closes the box") << "Escape";
    QTest::newRow("a click on Aceptar closes the box") << "cmdOK";
    QTest::newRow("the close box of its frame closes the box") << "close";
}

void AboutTest::keysAndButtonsCloseTheBox()
{
    QFETCH(QString, como);

    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    QVERIFY(QTest::qWaitForWindowActive(acerca));
    Control<QLabel>(acerca, QStringLiteral("lblVersion"))->setText(QStringLiteral("viejo"));

    QWidget *foco = acerca->focusWidget() ? acerca->focusWidget() : acerca;
    if (como == QLatin1String("Return"))
        QTest::keyClick(foco, Qt::Key_Return);
    else if (como == QLatin1String("Enter"))
        QTest::keyClick(foco, Qt::Key_Enter, Qt::KeypadModifier);
    else if (como == QLatin1String("Escape"))
        QTest::keyClick(foco, Qt::Key_Escape);
    else if (como == QLatin1String("cmdOK"))
        Pulsa(Control<QPushButton>(acerca, como));
    else
        acerca->close();

    // Closing unloads the box, so the next About loads a new one.
    QTRY_VERIFY(Acercas().isEmpty());

    // The next About shows a freshly filled box.
    QWidget *otra = AbreAcerca();
    QVERIFY(otra);
    QCOMPARE(TextoDe(otra, QStringLiteral("lblVersion")), QStringLiteral("Versión 1.3.0"));
}

void AboutTest::clicksOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::MouseButton>("boton");
    QTest::addColumn<QStringList>("abiertas");
    QTest::addColumn<QPoint>("donde");  // null for the middle

    QTest::newRow("the address opens the program's page")
        << "lblURL" << Qt::LeftButton << QStringList{Web + "/velmora/"} << QPoint();
    QTest::newRow("the large picture opens the home page") << "Picture1" << Qt::LeftButton << QStringList{Web + "/"} << QPoint();
    QTest::newRow("the small picture opens nothing") << "picIcon" << Qt::LeftButton << QStringList{} << QPoint();
    QTest::newRow("the title opens nothing") << "lblTitle" << Qt::LeftButton << QStringList{} << QPoint();
    QTest::newRow("the version opens nothing") << "lblVersion" << Qt::LeftButton << QStringList{} << QPoint();
    QTest::newRow("the description opens nothing") << "lblDescription" << Qt::LeftButton << QStringList{} << QPoint();
    QTest::newRow("the notice's first line opens nothing")
        << "lblDisclaimer" << Qt::LeftButton << QStringList{} << QPoint(10, 4);
    QTest::newRow("a right click on the address opens nothing") << "lblURL" << Qt::RightButton << QStringList{} << QPoint();
}

void AboutTest::clicksOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(Qt::MouseButton, boton);
    QFETCH(QStringList, abiertas);
    QFETCH(QPoint, donde);

    QWidget *acerca = AbreAcerca();
    QVERIFY(acerca);
    CierraAvisos avisos;
    QTest::mouseClick(Control<QWidget>(acerca, control), boton, {}, donde);
    QCOMPARE(urls, abiertas);
    QCOMPARE(avisos.Textos(), QStringList());
    QVERIFY(acerca->isVisible());  // a link leaves the box open
}

void AboutTest::licenceLinkOpensTheLicenceText_data()
{
    QTest::addColumn<bool>("instalada");
    QTest::newRow("the licence installed with the program") << true;
    QTest::newRow("the published licence where none is installed") << false;
}

void AboutTest::licenceLinkOpensTheLicenceText()
{
    QFETCH(bool, instalada);

    // Where the install puts it, from the program's folder.
    const QString ruta = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" VELMORA_LICENCIA));
    QFile licencia(ruta);
    if (instalada) {
        QVERIFY(QDir().mkpath(QFileInfo(ruta).path()));
        QVERIFY(licencia.open(QIODevice::WriteOnly));
        licencia.close();
    }
    QWidget *acerca = AbreAcerca();
    if (instalada)
        licencia.remove();
    QVERIFY(acerca);
    QVERIFY(QTest::qWaitForWindowActive(acerca));

    // From the button, Tab reaches the notice, Tab again its link, and Return follows it.
    QTest::keyClick(acerca->focusWidget(), Qt::Key_Tab);
    QCOMPARE(acerca->focusWidget(), Control<QWidget>(acerca, QStringLiteral("lblDisclaimer")));
    QTest::keyClick(acerca->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(acerca->focusWidget(), Qt::Key_Return);
    QCOMPARE(urls, QStringList{instalada ? QUrl::fromLocalFile(ruta).toString()
                                         : QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")});
    QVERIFY(acerca->isVisible());
}

void AboutTest::onlineHelpOpensTheInstructionsInEveryLanguage_data()
{
    QTest::addColumn<QString>("item");
    for (const char *item : {"mnuCastellano", "mnuCatalán", "MnuGallego", "mnuEnglish"})
        QTest::addRow("with %s chosen", item) << QString::fromUtf8(item);
}

void AboutTest::onlineHelpOpensTheInstructionsInEveryLanguage()
{
    QFETCH(QString, item);

    Item(ventana.get(), item)->trigger();
    CierraAvisos avisos;
    Item(ventana.get(), QStringLiteral("mnuWeb"))->trigger();
    QCOMPARE(urls, QStringList{Web + "/velmora/instrucciones.html"});
    QCOMPARE(avisos.Textos(), QStringList());
}

void AboutTest::programEndsOnlyWhenBothWindowsHaveClosed_data()
{
    QTest::addColumn<QStringList>("pasos");

    QTest::newRow("About closed first, then the main window")
        << QStringList{"close About", "close main"};
    QTest::newRow("main window closed first, then About")
        << QStringList{"close main", "close About"};
    QTest::newRow("the About link still works after the main window has gone")
        << QStringList{"close main", "delete main", "click lblURL", "close About"};
}

void AboutTest::programEndsOnlyWhenBothWindowsHaveClosed()
{
    QFETCH(QStringList, pasos);

    QPointer<QWidget> acerca = AbreAcerca();
    QVERIFY(acerca);

    // Runs the steps inside the program's own event loop, which ends when the
    // platform decides the program is finished.
    QStringList sucesos;
    QObject ambito;  // steps still pending when the loop ends die with it
    const auto conexion = connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { sucesos << "program ends"; });
    bool colgado = false;
    QTimer guardia;
    guardia.setSingleShot(true);
    connect(&guardia, &QTimer::timeout, qApp, [&] {
        colgado = true;
        QCoreApplication::exit(1);
    });

    std::function<void(int)> paso = [&](int i) {
        if (i == pasos.size())
            return;
        const QString &que = pasos[i];
        sucesos << que;
        if (que == QLatin1String("close main"))
            Pulsa(Boton(ventana.get(), QStringLiteral("cmdCerrar")));
        else if (que == QLatin1String("delete main"))
            ventana.reset();
        else if (que == QLatin1String("click lblURL"))
            QTest::mouseClick(Control<QWidget>(acerca, que.mid(6)), Qt::LeftButton);
        else if (acerca)
            Pulsa(Control<QPushButton>(acerca, QStringLiteral("cmdOK")));
        QTimer::singleShot(0, &ambito, [&paso, i] { paso(i + 1); });
    };
    QTimer::singleShot(0, &ambito, [&paso] { paso(0); });
    guardia.start(5000);  // only if the program would never end
    QCoreApplication::exec();
    guardia.stop();
    disconnect(conexion);

    QVERIFY2(!colgado, qPrintable(sucesos.join(QLatin1String(", "))));
    QCOMPARE(sucesos, pasos + QStringList{"program ends"});
    QVERIFY(LeeConfiguracionEscrita().startsWith("Idioma=Castellano\r\n"));
    if (pasos.contains(QLatin1String("click lblURL")))
        QCOMPARE(urls, QStringList{Web + "/velmora/"});
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
