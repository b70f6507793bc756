// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window and the processing light: conversion from
// buttons and menus, the direction and the options read from the check marks,
// each state with its light and enabled buttons, and the clipboard commands.

#include "Ayudas.h"

#include <QMimeData>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace Ayudas;

namespace {

// Records what the light showed, and what the result box held, every time the
// light was painted.
class VigilaLuz : public QObject
{
public:
    explicit VigilaLuz(const frmConversor *ventana)
        : ventana_(ventana)
    {
        Control<QLabel>(ventana, QStringLiteral("picSemaforo"))->installEventFilter(this);
    }

    struct Pintura {
        QImage Luz;
        QString Resultado;
    };
    QList<Pintura> Pinturas;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint)
            Pinturas.append({ImagenDe(ventana_, "picSemaforo"), Texto(ventana_, "sConvertido")});
        return QObject::eventFilter(objeto, evento);
    }

private:
    const frmConversor *ventana_;
};

// Runs a command as the user gives it: a click on a button, or the menu item.
void Ejecuta(frmConversor *ventana, const QString &orden)
{
    if (orden.startsWith(QLatin1String("cmd")))
        Pulsa(Boton(ventana, orden));
    else
        Item(ventana, orden)->trigger();
}

// Records each paint of the five buttons that the states switch, with the
// button's enabled flag and the result box's text at that moment.
class VigilaBotones : public QObject
{
public:
    explicit VigilaBotones(const frmConversor *ventana)
        : ventana_(ventana)
    {
        for (const char *nombre : {"cmdCopiar", "cmdPegar", "cmdBorrar", "cmdPegayCopia", "cmdConvertir"})
            Boton(ventana, QLatin1String(nombre))->installEventFilter(this);
    }

    struct Pintura {
        QString Boton;
        bool Activo;
        QString Resultado;
    };
    QList<Pintura> Pinturas;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            const auto *boton = static_cast<QWidget *>(objeto);
            Pinturas.append({boton->objectName(), boton->isEnabled(), Texto(ventana_, "sConvertido")});
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    const frmConversor *ventana_;
};

// The first time the light is painted yellow (or red, for a paste), queues
// a click on a control or a key press for it, as made by a user who does not
// wait for the work to end.
class PulsaDuranteTrabajo : public QObject
{
public:
    PulsaDuranteTrabajo(frmConversor *ventana, const QString &control, const QString &tecla)
        : ventana_(ventana), control_(Control<QWidget>(ventana, control)), tecla_(tecla)
    {
        Control<QLabel>(ventana, QStringLiteral("picSemaforo"))->installEventFilter(this);
    }
    bool Hecho = false;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !Hecho &&
            ImagenDe(ventana_, "picSemaforo") != ImagenDe(ventana_, "picSemaforoVerde")) {
            Hecho = true;
            QWidget *destino = control_;
            if (auto *caja = qobject_cast<CuadroTexto *>(control_))
                destino = caja->viewport();
            const QPointF centro = destino->rect().center();
            const QPointF global = destino->mapToGlobal(centro);
            if (tecla_.isEmpty()) {
                for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(destino, new QMouseEvent(tipo, centro, global, Qt::LeftButton,
                                                                         tipo == QEvent::MouseButtonPress
                                                                             ? Qt::LeftButton
                                                                             : Qt::NoButton,
                                                                         Qt::NoModifier));
            } else {
                for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease})
                    QCoreApplication::postEvent(control_, new QKeyEvent(tipo, Qt::Key_X, Qt::NoModifier, tecla_));
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    const frmConversor *ventana_;
    QWidget *control_;
    QString tecla_;
};

// The clipboard as another program reads it, without this one asking.
QByteArray OtroLee()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
    return xclip.waitForFinished() ? xclip.readAllStandardOutput() : QByteArray();
}

void Convierte(frmConversor *ventana, const QString &origen)
{
    Caja(ventana, QStringLiteral("sOriginal"))->setPlainText(origen);
    Pulsa(Boton(ventana, QStringLiteral("cmdConvertir")));
}

}  // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init();
    void cleanup();

    void conversionRunsEndToEnd_data();
    void conversionRunsEndToEnd();
    void directionIsReadFromBothMarks_data();
    void directionIsReadFromBothMarks();
    void disabledOptionStillCountsByItsMark();
    void eachStateSetsTheLightAndTheButtons_data();
    void eachStateSetsTheLightAndTheButtons();
    void yellowLightIsPaintedBeforeTheResultAppears();
    void busyStateIsOnScreenBeforeTheWorkStarts_data();
    void busyStateIsOnScreenBeforeTheWorkStarts();
    void inputMadeWhileBusyIsDropped_data();
    void inputMadeWhileBusyIsDropped();
    void eachEventLeadsToItsState_data();
    void eachEventLeadsToItsState();
    void optionItemFlipsOncePerClick_data();
    void optionItemFlipsOncePerClick();
    void directionSwitchEnablesAndDisablesItsThreeItems_data();
    void directionSwitchEnablesAndDisablesItsThreeItems();
    void pasteConvertCopyUsesTheClipboard_data();
    void pasteConvertCopyUsesTheClipboard();
    void pasteWithoutTextEmptiesTheSource_data();
    void pasteWithoutTextEmptiesTheSource();
    void copyPutsTheResultOnTheClipboard_data();
    void copyPutsTheResultOnTheClipboard();
    void unrecognisedStateIsReportedAndChangesNothing_data();
    void unrecognisedStateIsReportedAndChangesNothing();
    void keysDoOnlyWhatTheFocusedControlOffers_data();
    void keysDoOnlyWhatTheFocusedControlOffers();
    void silentClipboardOwnerIsAReadFailure_data();
    void silentClipboardOwnerIsAReadFailure();

private:
    std::unique_ptr<frmConversor> ventana;
    Entorno entorno;
};

void CommandsTest::init()
{
    entorno.Empieza();
    ventana = std::make_unique<frmConversor>();
    Muestra(ventana.get());
}

void CommandsTest::cleanup()
{
    ventana.reset();
    QCOMPARE(entorno.Termina(), QStringList());
}

void CommandsTest::conversionRunsEndToEnd_data()
{
    QTest::addColumn<QStringList>("items");  // clicked before converting
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("resultado");

    const QString muestra = QStringLiteral("a<b & é \"x\"");
    QTest::newRow("the button converts text to HTML with the default options")
        << QStringList{} << "cmdConvertir" << muestra << "a<b & &eacute; \"x\"";
    QTest::newRow("the menu converts text to HTML with the default options")
        << QStringList{} << "mnuConvertir" << muestra << "a<b & &eacute; \"x\"";
    QTest::newRow("reserved characters are converted when their item is ticked")
        << QStringList{"mnuEntidadesHtml"} << "cmdConvertir" << muestra << "a&lt;b &amp; &eacute; &quot;x&quot;";
    QTest::newRow("Unicode gives numeric references")
        << QStringList{"mnuUnicode", "mnuEntidadesHtml"} << "mnuConvertir" << muestra
        << "a&#60;b &#38; &#233; &#34;x&#34;";
    QTest::newRow("blanks become no-break references when their item is ticked")
        << QStringList{"mnuEspacios"} << "cmdConvertir" << "a b  c" << "a&nbsp;b&nbsp;&nbsp;c";
    QTest::newRow("the button converts HTML back to text")
        << QStringList{"mnuHTMLaTexto"} << "cmdConvertir" << "A&ntilde;o &lt;1&gt; &amp;lt;" << "Año <1> <";
    QTest::newRow("the menu converts HTML back to text with blanks")
        << QStringList{"mnuHTMLaTexto", "mnuEspacios"} << "mnuConvertir" << "a&nbsp;b&#233;" << "a bé";
    QTest::newRow("an empty source gives an empty result")
        << QStringList{"mnuEntidadesHtml"} << "cmdConvertir" << "" << "";
}

void CommandsTest::conversionRunsEndToEnd()
{
    QFETCH(QStringList, items);
    QFETCH(QString, orden);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);

    for (const QString &item : items)
        Item(ventana.get(), item)->trigger();
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(origen);
    Ejecuta(ventana.get(), orden);

    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
    QCOMPARE(Texto(ventana.get(), "sOriginal"), origen);
    QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Procesado"));
}

void CommandsTest::directionIsReadFromBothMarks_data()
{
    QTest::addColumn<bool>("textoaHTML");
    QTest::addColumn<bool>("htmlaTexto");
    QTest::addColumn<QString>("resultado");

    // The menus never force one mark per group (the settings file can leave
    // both or neither); the conversion reads whatever marks there are.
    QTest::newRow("Texto a HTML alone converts to HTML") << true << false << "&eacute;&eacute;";
    QTest::newRow("HTML a texto alone converts to text") << false << true << "éé";
    QTest::newRow("both marks convert to text") << true << true << "éé";
    QTest::newRow("no mark converts to HTML") << false << false << "&eacute;&eacute;";
}

void CommandsTest::directionIsReadFromBothMarks()
{
    QFETCH(bool, textoaHTML);
    QFETCH(bool, htmlaTexto);
    QFETCH(QString, resultado);

    Item(ventana.get(), QStringLiteral("mnuTextoaHTML"))->setChecked(textoaHTML);
    Item(ventana.get(), QStringLiteral("mnuHTMLaTexto"))->setChecked(htmlaTexto);
    Convierte(ventana.get(), QStringLiteral("é&eacute;"));
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
}

void CommandsTest::disabledOptionStillCountsByItsMark()
{
    QAction *unicode = Item(ventana.get(), QStringLiteral("mnuUnicode"));
    unicode->trigger();
    Item(ventana.get(), QStringLiteral("mnuHTMLaTexto"))->trigger();
    QVERIFY(!unicode->isEnabled());
    QVERIFY(unicode->isChecked());

    // Back to text to HTML by the marks alone, as a settings file can leave
    // them, so the disabled item's bit has an effect to see.
    Item(ventana.get(), QStringLiteral("mnuHTMLaTexto"))->setChecked(false);
    Item(ventana.get(), QStringLiteral("mnuTextoaHTML"))->setChecked(true);
    Convierte(ventana.get(), QStringLiteral("é"));
    QCOMPARE(Texto(ventana.get(), "sConvertido"), QStringLiteral("&#233;"));
}

void CommandsTest::eachStateSetsTheLightAndTheButtons_data()
{
    QTest::addColumn<QString>("estado");
    QTest::addColumn<int>("veces");
    QTest::addColumn<QString>("luz");
    QTest::addColumn<bool>("vaciaResultado");
    QTest::addColumn<QByteArray>("activos");  // Copy, Paste, Clear, Paste-convert-copy, Convert

    QTest::newRow("waiting to convert: red light, Copy disabled, result emptied")
        << "Pendiente procesar" << 1 << "picSemaforoRojo" << true << QByteArray("01111");
    QTest::newRow("converting: yellow light, only Close enabled")
        << "Procesando" << 1 << "picSemaforoAmarillo" << false << QByteArray("00000");
    QTest::newRow("converted: green light, Convert disabled, Copy enabled")
        << "Procesado" << 1 << "picSemaforoVerde" << false << QByteArray("11110");
    QTest::newRow("waiting set twice looks the same as once")
        << "Pendiente procesar" << 2 << "picSemaforoRojo" << true << QByteArray("01111");
    QTest::newRow("converting set twice looks the same as once")
        << "Procesando" << 2 << "picSemaforoAmarillo" << false << QByteArray("00000");
    QTest::newRow("converted set twice looks the same as once")
        << "Procesado" << 2 << "picSemaforoVerde" << false << QByteArray("11110");
}

void CommandsTest::eachStateSetsTheLightAndTheButtons()
{
    QFETCH(QString, estado);
    QFETCH(int, veces);
    QFETCH(QString, luz);
    QFETCH(bool, vaciaResultado);
    QFETCH(QByteArray, activos);

    Convierte(ventana.get(), QStringLiteral("é"));
    const QString resultado = Texto(ventana.get(), "sConvertido");
    QVERIFY(!resultado.isEmpty());

    for (int i = 0; i < veces; ++i)
        ventana->PoneEstado(estado);

    QCOMPARE(ImagenDe(ventana.get(), "picSemaforo"), ImagenDe(ventana.get(), qPrintable(luz)));
    QCOMPARE(Control<QLabel>(ventana.get(), QStringLiteral("picSemaforo"))->size(), QSize(18, 40));
    QCOMPARE(Texto(ventana.get(), "sConvertido"), vaciaResultado ? QString() : resultado);
    QCOMPARE(Texto(ventana.get(), "sOriginal"), QStringLiteral("é"));
    const char *botones[] = {"cmdCopiar", "cmdPegar", "cmdBorrar", "cmdPegayCopia", "cmdConvertir"};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(Boton(ventana.get(), QLatin1String(botones[i]))->isEnabled() == (activos[i] == '1'), botones[i]);
    QVERIFY(Boton(ventana.get(), QStringLiteral("cmdCerrar"))->isEnabled());
    // The menu commands stay available in every state.
    for (const char *item : {"mnuPegar", "mnuConvertir", "mnuCopiarResultado", "mnuConvertirPortapapeles", "mnuCerrar"})
        QVERIFY2(Item(ventana.get(), QLatin1String(item))->isEnabled(), item);
}

void CommandsTest::yellowLightIsPaintedBeforeTheResultAppears()
{
    VigilaLuz vigia(ventana.get());
    Convierte(ventana.get(), QStringLiteral("é"));

    // Painted at once, not at the next return to the event loop.
    const QImage amarilla = ImagenDe(ventana.get(), "picSemaforoAmarillo");
    const auto pintura = std::find_if(vigia.Pinturas.begin(), vigia.Pinturas.end(),
                                      [&](const VigilaLuz::Pintura &p) { return p.Luz == amarilla; });
    QVERIFY(pintura != vigia.Pinturas.end());
    QCOMPARE(pintura->Resultado, QString());
    QCOMPARE(Texto(ventana.get(), "sConvertido"), QStringLiteral("&eacute;"));
}

void CommandsTest::busyStateIsOnScreenBeforeTheWorkStarts_data()
{
    QTest::addColumn<QString>("boton");
    QTest::newRow("Copy is painted disabled before the result appears") << "cmdCopiar";
    QTest::newRow("Paste is painted disabled before the result appears") << "cmdPegar";
    QTest::newRow("Clear is painted disabled before the result appears") << "cmdBorrar";
    QTest::newRow("paste-convert-copy is painted disabled before the result appears") << "cmdPegayCopia";
    QTest::newRow("Convert is painted disabled before the result appears") << "cmdConvertir";
}

void CommandsTest::busyStateIsOnScreenBeforeTheWorkStarts()
{
    QFETCH(QString, boton);

    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("é"));
    QCoreApplication::processEvents();
    VigilaBotones vigia(ventana.get());
    Item(ventana.get(), QStringLiteral("mnuConvertir"))->trigger();

    const auto pintura = std::find_if(vigia.Pinturas.begin(), vigia.Pinturas.end(),
                                      [&](const VigilaBotones::Pintura &p) { return p.Boton == boton && !p.Activo; });
    QVERIFY(pintura != vigia.Pinturas.end());
    QCOMPARE(pintura->Resultado, QString());
    QCOMPARE(Texto(ventana.get(), "sConvertido"), QStringLiteral("&eacute;"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void CommandsTest::inputMadeWhileBusyIsDropped_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("control");  // clicked, or typed into when a key is given
    QTest::addColumn<QString>("tecla");
    QTest::addColumn<QString>("origen");   // the source box afterwards

    QTest::newRow("a Clear clicked while converting does not run afterwards")
        << "cmdConvertir" << "sOriginal" << "" << "é";
    QTest::newRow("a Clear clicked during paste-convert-copy does not run afterwards")
        << "cmdPegayCopia" << "cmdBorrar" << "" << "pegado";
    QTest::newRow("a letter typed while converting is not typed afterwards")
        << "mnuConvertir" << "sOriginal" << "x" << "é";
    QTest::newRow("a letter typed while pasting is not typed afterwards") << "cmdPegar" << "sOriginal" << "x" << "pegado";
}

void CommandsTest::inputMadeWhileBusyIsDropped()
{
    QFETCH(QString, orden);
    QFETCH(QString, control);
    QFETCH(QString, tecla);
    QFETCH(QString, origen);

    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("é"));
    PonPortapapeles(QStringLiteral("pegado"));
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setFocus();
    QCoreApplication::processEvents();
    const QString estado = orden == QLatin1String("cmdPegar") ? QStringLiteral("Pendiente procesar")
                                                              : QStringLiteral("Procesado");
    {
        PulsaDuranteTrabajo usuario(ventana.get(), control == QLatin1String("sOriginal") && tecla.isEmpty()
                                                       ? QStringLiteral("cmdBorrar")
                                                       : control,
                                    tecla);
        Ejecuta(ventana.get(), orden);
        QVERIFY(usuario.Hecho);
        QCoreApplication::processEvents();
    }
    QCOMPARE(Texto(ventana.get(), "sOriginal"), origen);
    QCOMPARE(EstadoVisible(ventana.get()), estado);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    // Once the work is over, input counts again.
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdBorrar")));
    QCOMPARE(Texto(ventana.get(), "sOriginal"), QString());
}

void CommandsTest::eachEventLeadsToItsState_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("origen");     // afterwards
    QTest::addColumn<QString>("resultado");  // afterwards

    // Each row starts from "é" converted to "&eacute;" (green light), with
    // "pegado" on the clipboard and "&eacute;x" typed by hand into the result box.
    QTest::newRow("typing in the source box turns the light red and empties the result")
        << "type sOriginal" << "Pendiente procesar" << "éz" << "";
    QTest::newRow("Clear empties both boxes") << "cmdBorrar" << "Pendiente procesar" << "" << "";
    QTest::newRow("Paste replaces the source and turns the light red")
        << "cmdPegar" << "Pendiente procesar" << "pegado" << "";
    QTest::newRow("Paste from the menu does the same") << "mnuPegar" << "Pendiente procesar" << "pegado" << "";
    QTest::newRow("an option click turns the light red") << "mnuEspacios" << "Pendiente procesar" << "é" << "";
    QTest::newRow("choosing the other direction turns the light red")
        << "mnuHTMLaTexto" << "Pendiente procesar" << "é" << "";
    QTest::newRow("choosing the ticked direction keeps the light and the result")
        << "mnuTextoaHTML" << "Procesado" << "é" << "&eacute;x";
    QTest::newRow("Copy keeps the light and the result") << "cmdCopiar" << "Procesado" << "é" << "&eacute;x";
    QTest::newRow("Copy from the menu keeps them too")
        << "mnuCopiarResultado" << "Procesado" << "é" << "&eacute;x";
    QTest::newRow("the disabled Convert button cannot be clicked") << "cmdConvertir" << "Procesado" << "é" << "&eacute;x";
    QTest::newRow("Convert from the menu converts again although the button is disabled")
        << "mnuConvertir" << "Procesado" << "é" << "&eacute;";
    QTest::newRow("paste-convert-copy converts the clipboard")
        << "cmdPegayCopia" << "Procesado" << "pegado" << "pegado";
    QTest::newRow("typing in the result box raises nothing") << "type sConvertido" << "Procesado" << "é" << "&eacute;xz";
}

void CommandsTest::eachEventLeadsToItsState()
{
    QFETCH(QString, orden);
    QFETCH(QString, estado);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);

    Convierte(ventana.get(), QStringLiteral("é"));
    PonPortapapeles(QStringLiteral("pegado"));
    CuadroTexto *convertido = Caja(ventana.get(), QStringLiteral("sConvertido"));
    AlFinal(convertido);
    QTest::keyClicks(convertido, QStringLiteral("x"));
    QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Procesado"));

    CierraAvisos avisos;
    if (orden.startsWith(QLatin1String("type "))) {
        CuadroTexto *caja = Caja(ventana.get(), orden.mid(5));
        AlFinal(caja);
        QTest::keyClicks(caja, QStringLiteral("z"));
    } else {
        Ejecuta(ventana.get(), orden);
    }

    QCOMPARE(EstadoVisible(ventana.get()), estado);
    QCOMPARE(Texto(ventana.get(), "sOriginal"), origen);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
    QCOMPARE(avisos.Textos(), QStringList());
}

void CommandsTest::optionItemFlipsOncePerClick_data()
{
    QTest::addColumn<QString>("item");
    for (const char *item : {"mnuUnicode", "mnuEntidadesHtml", "mnuSaltos", "mnuSoloCR", "mnuEspacios", "mnuCRtrasBR"})
        QTest::addRow("%s flips once per click and turns the light red", item) << QString::fromLatin1(item);
}

void CommandsTest::optionItemFlipsOncePerClick()
{
    QFETCH(QString, item);

    QAction *opcion = Item(ventana.get(), item);
    const QStringList antes = Marcados(ventana.get());
    const bool marcado = opcion->isChecked();

    for (bool esperado : {!marcado, marcado}) {
        Convierte(ventana.get(), QStringLiteral("é"));
        QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Procesado"));
        opcion->trigger();
        QCOMPARE(opcion->isChecked(), esperado);
        QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Pendiente procesar"));
        QCOMPARE(Texto(ventana.get(), "sConvertido"), QString());
    }
    QCOMPARE(Marcados(ventana.get()), antes);
}

void CommandsTest::directionSwitchEnablesAndDisablesItsThreeItems_data()
{
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<QString>("direccion");  // the one ticked direction item afterwards
    QTest::addColumn<bool>("activos");       // Unicode, reserved characters and CRtrasBR

    QTest::newRow("HTML a texto disables the three items")
        << QStringList{"mnuHTMLaTexto"} << "mnuHTMLaTexto" << false;
    QTest::newRow("back to Texto a HTML enables them again")
        << QStringList{"mnuHTMLaTexto", "mnuTextoaHTML"} << "mnuTextoaHTML" << true;
    QTest::newRow("HTML a texto clicked twice keeps them disabled")
        << QStringList{"mnuHTMLaTexto", "mnuHTMLaTexto"} << "mnuHTMLaTexto" << false;
    QTest::newRow("the ticked Texto a HTML clicked again keeps them enabled")
        << QStringList{"mnuTextoaHTML"} << "mnuTextoaHTML" << true;
}

void CommandsTest::directionSwitchEnablesAndDisablesItsThreeItems()
{
    QFETCH(QStringList, clics);
    QFETCH(QString, direccion);
    QFETCH(bool, activos);

    // Marks that differ among the three items, to see that none is touched.
    Item(ventana.get(), QStringLiteral("mnuUnicode"))->trigger();
    Item(ventana.get(), QStringLiteral("mnuSaltos"))->trigger();
    const QString caja = QStringLiteral("texto");
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(caja);

    for (const QString &clic : clics)
        Item(ventana.get(), clic)->trigger();

    const QString otra = direccion == QLatin1String("mnuTextoaHTML") ? QStringLiteral("mnuHTMLaTexto")
                                                                      : QStringLiteral("mnuTextoaHTML");
    QVERIFY(Item(ventana.get(), direccion)->isChecked());
    QVERIFY(!Item(ventana.get(), otra)->isChecked());
    for (const char *item : {"mnuUnicode", "mnuEntidadesHtml", "mnuCRtrasBR"})
        QVERIFY2(Item(ventana.get(), QLatin1String(item))->isEnabled() == activos, item);
    for (const char *item : {"mnuSaltos", "mnuSoloCR", "mnuEspacios", "mnuTextoaHTML", "mnuHTMLaTexto"})
        QVERIFY2(Item(ventana.get(), QLatin1String(item))->isEnabled(), item);
    QCOMPARE(Marcados(ventana.get()),
             QStringList({direccion, "mnuUnicode", "mnuSaltos", "mnuCRtrasBR", "mnuCastellano"}));
    QCOMPARE(Texto(ventana.get(), "sOriginal"), caja);
}

void CommandsTest::pasteConvertCopyUsesTheClipboard_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("portapapeles");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("the button converts the clipboard and copies the result")
        << "cmdPegayCopia" << QStringList{"mnuEntidadesHtml"} << "a<b & é" << "a&lt;b &amp; &eacute;";
    QTest::newRow("the menu item does the same")
        << "mnuConvertirPortapapeles" << QStringList{"mnuEntidadesHtml"} << "a<b & é" << "a&lt;b &amp; &eacute;";
    QTest::newRow("the menu item converts HTML back to text")
        << "mnuConvertirPortapapeles" << QStringList{"mnuHTMLaTexto"} << "&lt;&eacute;&gt;" << "<é>";
    QTest::newRow("an empty clipboard gives an empty result")
        << "cmdPegayCopia" << QStringList{} << "" << "";
}

void CommandsTest::pasteConvertCopyUsesTheClipboard()
{
    QFETCH(QString, orden);
    QFETCH(QStringList, items);
    QFETCH(QString, portapapeles);
    QFETCH(QString, resultado);

    for (const QString &item : items)
        Item(ventana.get(), item)->trigger();
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("antes"));
    PonPortapapeles(portapapeles);

    CierraAvisos avisos;
    Ejecuta(ventana.get(), orden);

    QCOMPARE(Texto(ventana.get(), "sOriginal"), portapapeles);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
    QCOMPARE(Portapapeles(), resultado);
    QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Procesado"));
    QCOMPARE(avisos.Textos(), QStringList());
}

void CommandsTest::pasteWithoutTextEmptiesTheSource_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("portapapeles");  // what the clipboard holds instead of text

    QTest::newRow("Paste from a cleared clipboard empties the source") << "cmdPegar" << "cleared";
    QTest::newRow("Paste from a clipboard holding no data empties the source") << "cmdPegar" << "nothing";
    QTest::newRow("Paste of a clipboard holding only an image empties the source") << "mnuPegar" << "image";
}

void CommandsTest::pasteWithoutTextEmptiesTheSource()
{
    QFETCH(QString, orden);
    QFETCH(QString, portapapeles);

    Convierte(ventana.get(), QStringLiteral("é"));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (portapapeles == QLatin1String("cleared") && !clipboard->mimeData())
        QSKIP("Here a cleared clipboard has no data object at all, which Paste reports as unreadable");
    if (portapapeles == QLatin1String("nothing"))
        clipboard->setMimeData(new QMimeData);
    if (portapapeles == QLatin1String("image"))
        clipboard->setImage(QImage(QStringLiteral(":/convertir.gif")));

    CierraAvisos avisos;
    Ejecuta(ventana.get(), orden);
    QCOMPARE(avisos.Textos(), QStringList());
    QCOMPARE(Texto(ventana.get(), "sOriginal"), QString());
    QCOMPARE(EstadoVisible(ventana.get()), QStringLiteral("Pendiente procesar"));
}

void CommandsTest::copyPutsTheResultOnTheClipboard_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<bool>("convertir");
    QTest::addColumn<QString>("portapapeles");

    QTest::newRow("Copy puts the result on the clipboard") << "cmdCopiar" << true << "&eacute;";
    QTest::newRow("Copy from the menu puts the result on the clipboard") << "mnuCopiarResultado" << true << "&eacute;";
    QTest::newRow("Copy from the menu before converting puts empty text")
        << "mnuCopiarResultado" << false << "";
}

void CommandsTest::copyPutsTheResultOnTheClipboard()
{
    QFETCH(QString, orden);
    QFETCH(bool, convertir);
    QFETCH(QString, portapapeles);

    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("é"));
    if (convertir)
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));
    const QString estado = EstadoVisible(ventana.get());
    PonPortapapeles(QStringLiteral("lo que había"));

    CierraAvisos avisos;
    Ejecuta(ventana.get(), orden);
    QCOMPARE(avisos.Textos(), QStringList());
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasText());
    QCOMPARE(Portapapeles(), portapapeles);
    QCOMPARE(EstadoVisible(ventana.get()), estado);
}

void CommandsTest::unrecognisedStateIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("estado");
    QTest::newRow("procesado in lower case is not a state") << "procesado";
    QTest::newRow("a trailing blank makes it another state") << "Procesado ";
    QTest::newRow("the empty string is not a state") << "";
    QTest::newRow("a colour is not a state") << "verde";
}

void CommandsTest::unrecognisedStateIsReportedAndChangesNothing()
{
    QFETCH(QString, estado);

    Convierte(ventana.get(), QStringLiteral("é"));
    const QImage luz = ImagenDe(ventana.get(), "picSemaforo");
    const QString visible = EstadoVisible(ventana.get());
    const QStringList marcas = Marcados(ventana.get());

    CierraAvisos avisos;
    ventana->PoneEstado(estado);

    QCOMPARE(avisos.Avisos.size(), 1);
    QCOMPARE(avisos.Avisos[0].Texto, QStringLiteral("Estado imprevisto (") + estado + QStringLiteral(") en rutina PoneEstado."));
    QCOMPARE(avisos.Avisos[0].Titulo, QStringLiteral("Velmora"));
    QCOMPARE(avisos.Avisos[0].Icono, QMessageBox::Critical);
    QCOMPARE(ImagenDe(ventana.get(), "picSemaforo"), luz);
    QCOMPARE(EstadoVisible(ventana.get()), visible);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), QStringLiteral("&eacute;"));
    QCOMPARE(Texto(ventana.get(), "sOriginal"), QStringLiteral("é"));
    QCOMPARE(Marcados(ventana.get()), marcas);
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Velmora v1.03"));
}

void CommandsTest::keysDoOnlyWhatTheFocusedControlOffers_data()
{
    QTest::addColumn<QStringList>("pasos");
    QTest::addColumn<QString>("foco");       // afterwards, while the window is open
    QTest::addColumn<QString>("origen");     // afterwards
    QTest::addColumn<QString>("resultado");  // afterwards
    QTest::addColumn<QString>("estado");
    QTest::addColumn<bool>("abierta");

    // Each row starts with both boxes empty, the focus in the source box and
    // "pegado" on the clipboard.
    QTest::newRow("Space twice on Convert: the second Space copies and edits nothing")
        << QStringList{"focus cmdConvertir", "key Space", "key Space"} << "cmdCopiar" << "" << "" << "Procesado" << true;
    QTest::newRow("a click on Convert, then Space: Copy takes the Space")
        << QStringList{"click cmdConvertir", "key Space"} << "cmdCopiar" << "" << "" << "Procesado" << true;
    QTest::newRow("Tab Tab Space converts, and the next Space copies")
        << QStringList{"key Tab", "key Tab", "key Space", "key Space"} << "cmdCopiar" << "" << "" << "Procesado"
        << true;
    QTest::newRow("Enter presses the focused Convert, then the focus is on Copy")
        << QStringList{"focus cmdConvertir", "key Return"} << "cmdCopiar" << "" << "" << "Procesado" << true;
    QTest::newRow("keypad Enter presses the focused Paste")
        << QStringList{"focus cmdPegar", "key Enter"} << "cmdPegar" << "pegado" << "" << "Pendiente procesar" << true;
    QTest::newRow("Enter on the focused Close closes, as the user chose")
        << QStringList{"focus cmdCerrar", "key Return"} << "" << "" << "" << "Pendiente procesar" << false;
    QTest::newRow("Space on paste-convert-copy puts the focus on Copy")
        << QStringList{"focus cmdPegayCopia", "key Space"} << "cmdCopiar" << "pegado" << "pegado" << "Procesado" << true;
    QTest::newRow("an option that disables the focused Copy sends the focus to the source box")
        << QStringList{"menu mnuConvertir", "focus cmdCopiar", "menu mnuEspacios", "key Space"} << "sOriginal" << " "
        << "" << "Pendiente procesar" << true;
    QTest::newRow("Alt with a letter types nothing in the source box")
        << QStringList{"menu mnuConvertir", "alt o", "alt m"} << "sOriginal" << "" << "" << "Procesado" << true;
    QTest::newRow("Alt and Shift with a letter type nothing in the result box")
        << QStringList{"menu mnuConvertir", "focus sConvertido", "alt O"} << "sConvertido" << "" << "" << "Procesado"
        << true;
    QTest::newRow("Ctrl+Shift+Z redoes what Ctrl+Z undid")
        << QStringList{"altgr @", "ctrl z", "ctrl Z"} << "sOriginal" << "@" << "" << "Pendiente procesar" << true;
    QTest::newRow("AltGr, which Windows sends as Ctrl and Alt, still types its character")
        << QStringList{"altgr @"} << "sOriginal" << "@" << "" << "Pendiente procesar" << true;
}

void CommandsTest::keysDoOnlyWhatTheFocusedControlOffers()
{
    QFETCH(QStringList, pasos);
    QFETCH(QString, foco);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);
    QFETCH(QString, estado);
    QFETCH(bool, abierta);

    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    PonPortapapeles(QStringLiteral("pegado"));
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setFocus();

    CierraAvisos avisos;
    const QMap<QString, Qt::Key> teclas{{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return},
                                         {"Enter", Qt::Key_Enter}, {"Tab", Qt::Key_Tab}};
    for (const QString &paso : pasos) {
        const QString que = paso.section(QLatin1Char(' '), 0, 0);
        const QString cual = paso.section(QLatin1Char(' '), 1);
        QWidget *enfocado = QApplication::focusWidget();
        QVERIFY2(enfocado || que == QLatin1String("menu"), qPrintable(paso));
        if (que == QLatin1String("focus"))
            Control<QWidget>(ventana.get(), cual)->setFocus();
        else if (que == QLatin1String("click"))
            Pulsa(Boton(ventana.get(), cual));
        else if (que == QLatin1String("menu"))
            Item(ventana.get(), cual)->trigger();
        else if (que == QLatin1String("key"))
            QTest::keyClick(enfocado, teclas.value(cual),
                            cual == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);
        else if (que == QLatin1String("alt"))
            QTest::keyClick(enfocado, cual.front().toLatin1(),
                            cual.front().isUpper() ? Qt::AltModifier | Qt::ShiftModifier : Qt::AltModifier);
        else if (que == QLatin1String("ctrl"))
            QTest::keyClick(enfocado, cual.front().toLatin1(),
                            cual.front().isUpper() ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        else if (que == QLatin1String("altgr"))
            QTest::sendKeyEvent(QTest::Click, enfocado, Qt::Key_At, cual, Qt::ControlModifier | Qt::AltModifier);
    }

    QCOMPARE(ventana->isVisible(), abierta);
    if (abierta) {
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    }
    QCOMPARE(Texto(ventana.get(), "sOriginal"), origen);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
    QCOMPARE(EstadoVisible(ventana.get()), estado);
    QCOMPARE(avisos.Textos(), QStringList());
}

void CommandsTest::silentClipboardOwnerIsAReadFailure_data()
{
    QTest::addColumn<QString>("orden");
    // The other program holding the clipboard: stopped (after this program has
    // read the clipboard once, or before), answering, or none.
    QTest::addColumn<QString>("dueno");
    QTest::addColumn<QStringList>("avisos");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QString>("estado");

    const QStringList fallo{"No se puede leer el portapapeles."};
    // Each row starts from "é" converted to "&eacute;".
    QTest::newRow("Paste from an owner stopped after a first read is reported and changes nothing")
        << "cmdPegar" << "stopped after a read" << fallo << "é" << "&eacute;" << "Procesado";
    QTest::newRow("paste-convert-copy from a stopped owner stops there and leaves it the clipboard")
        << "mnuConvertirPortapapeles" << "stopped" << fallo << "é" << "&eacute;" << "Procesado";
    QTest::newRow("Paste from an owner that answers takes its text")
        << "cmdPegar" << "answering" << QStringList() << "ajeno" << "" << "Pendiente procesar";
    QTest::newRow("Paste with no owner at all empties the source without a message")
        << "cmdPegar" << "none" << QStringList() << "" << "" << "Pendiente procesar";
}

void CommandsTest::silentClipboardOwnerIsAReadFailure()
{
    QFETCH(QString, orden);
    QFETCH(QString, dueno);
    QFETCH(QStringList, avisos);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);
    QFETCH(QString, estado);

#ifndef Q_OS_UNIX
    QSKIP("The other owner is xclip, an X11 program");
#else
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("Needs an X server and xclip: the ui_commands_x11 test runs this under Xvfb");

    Convierte(ventana.get(), QStringLiteral("é"));
    QProcess xclip;
    if (dueno == QLatin1String("none")) {
        QGuiApplication::clipboard()->clear();  // owned by this program, so no owner is left
    } else {
        // -quiet keeps xclip in the foreground, so its process id is the owner's.
        xclip.start(QStringLiteral("xclip"), {"-quiet", "-selection", "clipboard", "-i"});
        QVERIFY2(xclip.waitForStarted(), "xclip is missing");
        xclip.write("ajeno");
        xclip.closeWriteChannel();
        QTRY_COMPARE(OtroLee(), QByteArray("ajeno"));
        if (dueno == QLatin1String("stopped after a read"))
            QCOMPARE(Portapapeles(), QStringLiteral("ajeno"));
        if (dueno.startsWith(QLatin1String("stopped")))
            ::kill(pid_t(xclip.processId()), SIGSTOP);
    }

    CierraAvisos mensajes;
    Ejecuta(ventana.get(), orden);
    QCOMPARE(mensajes.Textos(), avisos);
    QCOMPARE(Texto(ventana.get(), "sOriginal"), origen);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
    QCOMPARE(EstadoVisible(ventana.get()), estado);

    if (xclip.state() != QProcess::NotRunning) {
        ::kill(pid_t(xclip.processId()), SIGCONT);
        QTRY_COMPARE(OtroLee(), QByteArray("ajeno"));  // nothing was copied over it
        xclip.terminate();
        xclip.waitForFinished();
    }
#endif
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
