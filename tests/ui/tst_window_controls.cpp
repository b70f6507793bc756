// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: its controls and menus, their images, the text
// boxes, the keyboard order and the check marks when there is no settings file.

#include "Ayudas.h"

#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace Ayudas;

class WindowControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init() { entorno.Empieza(); }
    void cleanup() { QCOMPARE(entorno.Termina(), QStringList()); }

    void controlsAndMenuItemsExistWithTheirKinds_data();
    void controlsAndMenuItemsExistWithTheirKinds();
    void imagesLoadWithTheirExactSizes_data();
    void imagesLoadWithTheirExactSizes();
    void controlsCarryTheirImages_data();
    void controlsCarryTheirImages();
    void windowIconIsTheGear();
    void textBoxesScrollInsteadOfWrapping_data();
    void textBoxesScrollInsteadOfWrapping();
    void tabFollowsTheDesignOrderSkippingDisabledButtons_data();
    void tabFollowsTheDesignOrderSkippingDisabledButtons();
    void checkMarksWithoutSettingsFile_data();
    void checkMarksWithoutSettingsFile();
    void noPlaceholderCaptionIsVisibleAfterStart();

private:
    Entorno entorno;
};

void WindowControlsTest::controlsAndMenuItemsExistWithTheirKinds_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("clase");
    QTest::addColumn<QString>("dentroDe");  // the top-level menu of an item; empty for controls and menus

    const auto control = [](const char *fila, const char *nombre, const char *clase) {
        QTest::newRow(fila) << QString::fromUtf8(nombre) << QString::fromLatin1(clase) << QString();
    };
    control("the source box is a text box", "sOriginal", "CuadroTexto");
    control("the result box is a text box", "sConvertido", "CuadroTexto");
    control("the source label is a label", "lblOriginal", "QLabel");
    control("the result label is a label", "lblConvertido", "QLabel");
    control("the light is a picture box", "picSemaforo", "QLabel");
    control("the green holder is a picture box", "picSemaforoVerde", "QLabel");
    control("the amber holder is a picture box", "picSemaforoAmarillo", "QLabel");
    control("the red holder is a picture box", "picSemaforoRojo", "QLabel");
    control("Convert is a push button", "cmdConvertir", "QPushButton");
    control("Close is a push button", "cmdCerrar", "QPushButton");
    control("Clear is a push button", "cmdBorrar", "QPushButton");
    control("Paste is a push button", "cmdPegar", "QPushButton");
    control("Paste-convert-copy is a push button", "cmdPegayCopia", "QPushButton");
    control("Copy is a push button", "cmdCopiar", "QPushButton");
    control("the grey separator line exists", "Line1_1", "QFrame");
    control("the white separator line exists", "Line1_0", "QFrame");
    for (const char *menu : {"mnuArchivo", "mnuModo", "mnuConversion", "mnuOpciones", "mnuIdioma", "mnuAyuda"})
        control(qPrintable(QStringLiteral("%1 is a top-level menu").arg(QLatin1String(menu))), menu, "QMenu");

    const auto item = [](const char *nombre, const char *menu) {
        QTest::addRow("%s is an item of %s", nombre, menu)
            << QString::fromUtf8(nombre) << QStringLiteral("QAction") << QString::fromLatin1(menu);
    };
    item("mnuCerrar", "mnuArchivo");
    item("mnuTextoaHTML", "mnuModo");
    item("mnuHTMLaTexto", "mnuModo");
    item("mnuPegar", "mnuConversion");
    item("mnuConvertir", "mnuConversion");
    item("mnuCopiarResultado", "mnuConversion");
    item("mnuConvertirPortapapeles", "mnuConversion");
    for (const char *opcion : {"mnuUnicode", "mnuEntidadesHtml", "mnuSaltos", "mnuSoloCR", "mnuEspacios", "mnuCRtrasBR"})
        item(opcion, "mnuOpciones");
    for (const char *idioma : {"mnuCastellano", "mnuCatalán", "MnuGallego", "mnuEnglish"})
        item(idioma, "mnuIdioma");
    item("mnuWeb", "mnuAyuda");
    item("mnuAcerca", "mnuAyuda");
}

void WindowControlsTest::controlsAndMenuItemsExistWithTheirKinds()
{
    QFETCH(QString, nombre);
    QFETCH(QString, clase);
    QFETCH(QString, dentroDe);

    frmConversor ventana;
    const QList<QObject *> encontrados = ventana.findChildren<QObject *>(nombre);
    QCOMPARE(encontrados.size(), 1);
    QObject *objeto = encontrados.first();
    QVERIFY2(objeto->inherits(qPrintable(clase)), objeto->metaObject()->className());

    if (clase == QLatin1String("QMenu")) {
        QVERIFY(ventana.menuBar()->actions().contains(qobject_cast<QMenu *>(objeto)->menuAction()));
    } else if (clase == QLatin1String("QAction")) {
        const auto *menu = Control<QMenu>(&ventana, dentroDe);
        QVERIFY(menu->actions().contains(qobject_cast<QAction *>(objeto)));
        QVERIFY(qobject_cast<QAction *>(objeto)->isVisible());
        QVERIFY(qobject_cast<QAction *>(objeto)->shortcut().isEmpty());
    } else {
        // No control contains another: all lie directly on the client area.
        QCOMPARE(objeto->parent(), ventana.centralWidget());
    }
}

void WindowControlsTest::imagesLoadWithTheirExactSizes_data()
{
    QTest::addColumn<QString>("recurso");
    QTest::addColumn<QSize>("tamano");

    QTest::newRow("green light is 18 by 40") << ":/semaforo_verde.gif" << QSize(18, 40);
    QTest::newRow("amber light is 18 by 40") << ":/semaforo_amarillo.gif" << QSize(18, 40);
    QTest::newRow("red light is 18 by 40") << ":/semaforo_rojo.gif" << QSize(18, 40);
    QTest::newRow("copy image is 32 by 32") << ":/copiar.gif" << QSize(32, 32);
    QTest::newRow("paste-convert-copy image is 32 by 32") << ":/pegaycopia.gif" << QSize(32, 32);
    QTest::newRow("paste image is 32 by 32") << ":/pegar.gif" << QSize(32, 32);
    QTest::newRow("erase image is 32 by 32") << ":/borrar.gif" << QSize(32, 32);
    QTest::newRow("exit image is 32 by 32") << ":/cerrar.gif" << QSize(32, 32);
    QTest::newRow("gear image is 26 by 25") << ":/convertir.gif" << QSize(26, 25);
    QTest::newRow("About picture is 100 by 80") << ":/acerca.gif" << QSize(100, 80);
}

void WindowControlsTest::imagesLoadWithTheirExactSizes()
{
    QFETCH(QString, recurso);
    QFETCH(QSize, tamano);

    QImageReader lector(recurso);
    QCOMPARE(lector.format(), QByteArray("gif"));
    QCOMPARE(lector.imageCount(), 1);  // a still picture, not an animation
    const QImage imagen = lector.read();
    QVERIFY2(!imagen.isNull(), qPrintable(lector.errorString()));
    QCOMPARE(imagen.size(), tamano);
}

void WindowControlsTest::controlsCarryTheirImages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("recurso");

    QTest::newRow("Copy shows the two sheets") << "cmdCopiar" << ":/copiar.gif";
    QTest::newRow("Paste-convert-copy shows the clipboard with the gear") << "cmdPegayCopia" << ":/pegaycopia.gif";
    QTest::newRow("Paste shows the clipboard") << "cmdPegar" << ":/pegar.gif";
    QTest::newRow("Clear shows the eraser") << "cmdBorrar" << ":/borrar.gif";
    QTest::newRow("Close shows the door") << "cmdCerrar" << ":/cerrar.gif";
    QTest::newRow("Convert shows the gear") << "cmdConvertir" << ":/convertir.gif";
    QTest::newRow("the green holder holds the green light") << "picSemaforoVerde" << ":/semaforo_verde.gif";
    QTest::newRow("the amber holder holds the amber light") << "picSemaforoAmarillo" << ":/semaforo_amarillo.gif";
    QTest::newRow("the red holder holds the red light") << "picSemaforoRojo" << ":/semaforo_rojo.gif";
}

void WindowControlsTest::controlsCarryTheirImages()
{
    QFETCH(QString, control);
    QFETCH(QString, recurso);

    frmConversor ventana;
    Muestra(&ventana);
    // At 200 % the images come from their twice-as-large versions.
    if (qApp->devicePixelRatio() >= 2)
        recurso.replace(QLatin1String(".gif"), QLatin1String("@2x.gif"));
    const QImage esperada = Imagen(QPixmap(recurso));
    QVERIFY(!esperada.isNull());

    if (auto *boton = ventana.findChild<QPushButton *>(control)) {
        QVERIFY(boton->text().isEmpty());
        const QSize tamano = qApp->devicePixelRatio() >= 2 ? esperada.size() / 2 : esperada.size();
        QCOMPARE(boton->iconSize(), tamano);
        QCOMPARE(Imagen(boton->icon().pixmap(boton->iconSize(), boton->devicePixelRatio())), esperada);
        // The image must fit inside the button, which keeps its design size.
        QVERIFY(boton->width() >= tamano.width() && boton->height() >= tamano.height());
    } else {
        auto *caja = Control<QLabel>(&ventana, control);
        QCOMPARE(Imagen(caja->pixmap()), esperada);
        QVERIFY(caja->isHidden());  // holders only hold
    }
}

void WindowControlsTest::windowIconIsTheGear()
{
    frmConversor ventana;
    const QImage engranaje = Imagen(QPixmap(QStringLiteral(":/convertir.gif")));
    QVERIFY(ventana.windowIcon().availableSizes().contains(engranaje.size()));
    QCOMPARE(Imagen(ventana.windowIcon().pixmap(engranaje.size())), engranaje);
}

void WindowControlsTest::textBoxesScrollInsteadOfWrapping_data()
{
    QTest::addColumn<QString>("caja");
    QTest::newRow("the source box scrolls sideways") << "sOriginal";
    QTest::newRow("the result box scrolls sideways") << "sConvertido";
}

void WindowControlsTest::textBoxesScrollInsteadOfWrapping()
{
    QFETCH(QString, caja);

    frmConversor ventana;
    Muestra(&ventana);
    CuadroTexto *texto = Caja(&ventana, caja);
    QVERIFY(texto->toPlainText().isEmpty());
    QVERIFY(!texto->isReadOnly());
    QCOMPARE(texto->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(texto->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(texto->horizontalScrollBar()->isVisible());
    QVERIFY(texto->verticalScrollBar()->isVisible());

    const QString larga = QStringLiteral("palabra ").repeated(60);
    texto->setFocus();
    QTest::keyClicks(texto, larga);
    QCOMPARE(texto->toPlainText(), larga);  // both boxes accept typing
    QCoreApplication::processEvents();
    QCOMPARE(texto->SendScintilla(QsciScintillaBase::SCI_WRAPCOUNT, 0UL), 1L);
    QVERIFY(texto->horizontalScrollBar()->maximum() > 0);
}

void WindowControlsTest::tabFollowsTheDesignOrderSkippingDisabledButtons_data()
{
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QStringList>("orden");

    QTest::newRow("waiting to convert: Copy is skipped")
        << "Pendiente procesar"
        << QStringList{"sOriginal", "sConvertido", "cmdConvertir", "cmdCerrar", "cmdBorrar", "cmdPegar", "cmdPegayCopia"};
    QTest::newRow("converted: Convert is skipped")
        << "Procesado"
        << QStringList{"sOriginal", "sConvertido", "cmdCerrar", "cmdBorrar", "cmdPegar", "cmdPegayCopia", "cmdCopiar"};
    QTest::newRow("converting: only Close among the buttons")
        << "Procesando" << QStringList{"sOriginal", "sConvertido", "cmdCerrar"};
}

void WindowControlsTest::tabFollowsTheDesignOrderSkippingDisabledButtons()
{
    QFETCH(QString, estado);
    QFETCH(QStringList, orden);

    frmConversor ventana;
    Muestra(&ventana);
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    ventana.PoneEstado(estado);

    Caja(&ventana, QStringLiteral("sOriginal"))->setFocus();
    QTRY_VERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), orden.first());
    for (const QString &siguiente : orden.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), siguiente);
    }
    // After the last control the order starts again at the source box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), orden.first());
}

void WindowControlsTest::checkMarksWithoutSettingsFile_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("marcado");

    QTest::newRow("Texto a HTML is ticked") << "mnuTextoaHTML" << true;
    QTest::newRow("HTML a texto is not ticked") << "mnuHTMLaTexto" << false;
    QTest::newRow("Unicode is not ticked") << "mnuUnicode" << false;
    QTest::newRow("reserved characters is not ticked") << "mnuEntidadesHtml" << false;
    QTest::newRow("line breaks is not ticked") << "mnuSaltos" << false;
    QTest::newRow("CR without LF is not ticked") << "mnuSoloCR" << false;
    QTest::newRow("blanks is not ticked") << "mnuEspacios" << false;
    QTest::newRow("break after BR is the one ticked option") << "mnuCRtrasBR" << true;
    QTest::newRow("Castellano is ticked") << "mnuCastellano" << true;
    QTest::newRow("Catalan is not ticked") << "mnuCatalán" << false;
    QTest::newRow("Galician is not ticked") << "MnuGallego" << false;
    QTest::newRow("English is not ticked") << "mnuEnglish" << false;
}

void WindowControlsTest::checkMarksWithoutSettingsFile()
{
    QFETCH(QString, item);
    QFETCH(bool, marcado);

    CierraAvisos avisos;
    frmConversor ventana;
    QVERIFY(Item(&ventana, item)->isCheckable());
    QCOMPARE(Item(&ventana, item)->isChecked(), marcado);
    QVERIFY(Item(&ventana, item)->isEnabled());
    QCOMPARE(avisos.Textos(), QStringList());
}

void WindowControlsTest::noPlaceholderCaptionIsVisibleAfterStart()
{
    frmConversor ventana;
    Muestra(&ventana);

    QVERIFY(ventana.windowTitle() != QLatin1String("Conversor"));
    for (const QMenu *menu : ventana.findChildren<QMenu *>()) {
        if (menu->objectName().isEmpty())
            continue;  // the menu bar's own overflow menu
        QVERIFY2(!menu->title().isEmpty() && menu->title() != menu->objectName(), qPrintable(menu->objectName()));
    }
    for (const QAction *item : ventana.findChildren<QAction *>()) {
        if (item->objectName().isEmpty())
            continue;  // a menu's own action, checked through its menu
        QVERIFY2(!item->text().isEmpty() && item->text() != item->objectName(), qPrintable(item->objectName()));
    }
    for (const QLabel *etiqueta : ventana.findChildren<QLabel *>()) {
        if (etiqueta->objectName().startsWith(QLatin1String("pic")))
            continue;
        QVERIFY2(!etiqueta->text().isEmpty() && etiqueta->text() != etiqueta->objectName(),
                 qPrintable(etiqueta->objectName()));
    }
    for (const QPushButton *boton : ventana.findChildren<QPushButton *>()) {
        QVERIFY2(!boton->toolTip().isEmpty() && boton->toolTip() != boton->objectName(), qPrintable(boton->objectName()));
    }
}

QTEST_MAIN(WindowControlsTest)
#include "tst_window_controls.moc"
