// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Velmora.cfg: how the window reads it line by line at
// start, and the ten lines it writes back at close, byte for byte.

#include "Ayudas.h"


#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Ayudas;

namespace {

constexpr QSizeF Diseno{5865, 4020};
constexpr QSizeF Minimo{4740, 3780};
// Stands for a size that only the screen's available area limits.
constexpr double Pantalla = -1;
constexpr QSizeF Mayor{Pantalla, Pantalla};

const QStringList PorDefecto{"mnuTextoaHTML", "mnuCRtrasBR", "mnuCastellano"};

// The Close caption of each language, to see which language was applied.
QString CerrarEn(const QString &idioma)
{
    static const QMap<QString, QString> cerrar{
        {"Castellano", "Cerrar"}, {"Catalán", "Tancar"}, {"Galego", "Pechar"}, {"English", "Close"}};
    return cerrar.value(idioma);
}

int AnchoPantalla()
{
    return QGuiApplication::primaryScreen()->availableGeometry().width();
}

}  // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init() { entorno.Empieza(); }
    void cleanup() { QCOMPARE(entorno.Termina(), QStringList()); }

    void eachLineIsAppliedAsItIsRead_data();
    void eachLineIsAppliedAsItIsRead();
    void yesWordsSetAnOption_data();
    void yesWordsSetAnOption();
    void sizeLinesNeverEndTheProgram_data();
    void sizeLinesNeverEndTheProgram();
    void fiftyMegabyteLineIsReadWithoutTrouble();
    void somethingElseInPlaceOfTheFileIsLeftAlone_data();
    void somethingElseInPlaceOfTheFileIsLeftAlone();
    void closeFollowsALinkToItsFile();
    void readOnlyFolderGetsTheFileRewrittenInPlace();
    void closeWritesTheTenLinesAndTheNextStartReadsThem_data();
    void closeWritesTheTenLinesAndTheNextStartReadsThem();
    void closeReplacesWhateverTheFileHeld();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void fileLivesWhereTheLayoutKeepsIt_data();
    void fileLivesWhereTheLayoutKeepsIt();

private:
    Entorno entorno;
};

void SettingsFileTest::eachLineIsAppliedAsItIsRead_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QStringList>("marcas");
    QTest::addColumn<QStringList>("avisos");
    QTest::addColumn<QString>("idioma");  // IdiomaActual afterwards, and the language shown
    QTest::addColumn<QString>("modo");    // ModoActual afterwards

    const QString idiomaMalo = QStringLiteral("Idioma no reconocido en Velmora.cfg");
    const QString modoMalo = QStringLiteral("Modo no reconocido en Velmora.cfg");
    const auto con = [](QStringList marcas) { return marcas; };

    QTest::newRow("an empty file leaves the design state")
        << QByteArray() << PorDefecto << QStringList{} << "Castellano" << "Texto a HTML";
    QTest::newRow("key and value in capitals select English")
        << QByteArray("IDIOMA=ENGLISH\r\n") << con({"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"}) << QStringList{}
        << "English" << "Texto a HTML";
    QTest::newRow("key and value in lower case select English")
        << QByteArray("idioma=english") << con({"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"}) << QStringList{}
        << "English" << "Texto a HTML";
    QTest::newRow("blanks around the line, key and value are ignored")
        << QByteArray("  Idioma = English  \r\n") << con({"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"})
        << QStringList{} << "English" << "Texto a HTML";
    QTest::newRow("CATALÁN in Windows-1252 selects Catalan")
        << QByteArray("Idioma=CATAL\xC1N\r\n") << con({"mnuTextoaHTML", "mnuCRtrasBR", "mnuCatalán"})
        << QStringList{} << "Catalán" << "Texto a HTML";
    QTest::newRow("Catalán in UTF-8 bytes is not recognised")
        << QByteArray("Idioma=Catal\xC3\xA1n\r\n") << PorDefecto << QStringList{idiomaMalo} << "Castellano"
        << "Texto a HTML";
    QTest::newRow("the caption Català is not a language name")
        << QByteArray("Idioma=Catal\xE0\r\n") << PorDefecto << QStringList{idiomaMalo} << "Castellano"
        << "Texto a HTML";
    QTest::newRow("Catalan without its accent is not recognised")
        << QByteArray("Idioma=Catalan\r\n") << PorDefecto << QStringList{idiomaMalo} << "Castellano" << "Texto a HTML";
    QTest::newRow("an empty language is reported and Castellano marked")
        << QByteArray("Idioma=\r\n") << PorDefecto << QStringList{idiomaMalo} << "Castellano" << "Texto a HTML";
    QTest::newRow("a tab before the value is part of it")
        << QByteArray("Idioma=\tEnglish\r\n") << PorDefecto << QStringList{idiomaMalo} << "Castellano"
        << "Texto a HTML";
    QTest::newRow("a direction containing = is reported and Texto a HTML marked")
        << QByteArray("Modo=html a texto=x\r\n") << PorDefecto << QStringList{modoMalo} << "Castellano"
        << "Texto a HTML";
    QTest::newRow("HTML a Texto selects that direction")
        << QByteArray("Modo=HTML a Texto\r\n") << con({"mnuHTMLaTexto", "mnuCRtrasBR", "mnuCastellano"})
        << QStringList{} << "Castellano" << "HTML a Texto";
    QTest::newRow("two language lines leave both marked and the later one shown")
        << QByteArray("Idioma=English\r\nIdioma=Galego\r\n")
        << con({"mnuTextoaHTML", "mnuCRtrasBR", "MnuGallego", "mnuEnglish"}) << QStringList{} << "English"
        << "Texto a HTML";
    QTest::newRow("a bad language after a good one marks Castellano beside it")
        << QByteArray("Idioma=Galego\r\nIdioma=klingon\r\n")
        << con({"mnuTextoaHTML", "mnuCRtrasBR", "mnuCastellano", "MnuGallego"}) << QStringList{idiomaMalo}
        << "Galego" << "Texto a HTML";
    QTest::newRow("two direction lines leave both marked and HTML a Texto wins")
        << QByteArray("Modo=html a texto\r\nModo=texto a html\r\n")
        << con({"mnuTextoaHTML", "mnuHTMLaTexto", "mnuCRtrasBR", "mnuCastellano"}) << QStringList{} << "Castellano"
        << "HTML a Texto";
    QTest::newRow("a thousand bad language lines and a bad direction give one message each")
        << QByteArray("Idioma=x\r\nModo=y\r\n").repeated(1000) << PorDefecto << QStringList{idiomaMalo, modoMalo}
        << "Castellano" << "Texto a HTML";
    QTest::newRow("lines ended by LF alone are read one by one")
        << QByteArray("Idioma=English\nModo=HTML a Texto\nSaltos=Si\n")
        << con({"mnuHTMLaTexto", "mnuSaltos", "mnuCRtrasBR", "mnuEnglish"}) << QStringList{} << "English"
        << "HTML a Texto";
    QTest::newRow("lines ended by CR alone are separate lines")
        << QByteArray("Idioma=English\rModo=HTML a Texto\rSaltos=Si")
        << con({"mnuHTMLaTexto", "mnuSaltos", "mnuCRtrasBR", "mnuEnglish"}) << QStringList{} << "English"
        << "HTML a Texto";
    QTest::newRow("an LF before a CR ends two lines")
        << QByteArray("Idioma=English\n\rSaltos=Si\r\n") << con({"mnuTextoaHTML", "mnuSaltos", "mnuCRtrasBR", "mnuEnglish"})
        << QStringList{} << "English" << "Texto a HTML";
    QTest::newRow("comments, unknown keys and lines without = are skipped")
        << QByteArray("# Velmora\r\nx\r\n=Si\r\nColor=rojo\r\nS\r\n\r\nEspacios=Si\r\n")
        << con({"mnuTextoaHTML", "mnuEspacios", "mnuCRtrasBR", "mnuCastellano"}) << QStringList{} << "Castellano"
        << "Texto a HTML";
    QTest::newRow("a later option line overrides an earlier one")
        << QByteArray("Saltos=Si\r\nCRtrasBR=No\r\nSaltos=No\r\n") << con({"mnuTextoaHTML", "mnuCastellano"})
        << QStringList{} << "Castellano" << "Texto a HTML";
    QTest::newRow("all ten lines as written")
        << QByteArray("Idioma=Catal\xE1n\r\nModo=HTML a Texto\r\nUnicode=Si\r\nEntidadesHTML=Si\r\nSaltos=Si\r\n"
                       "SoloCR=Si\r\nEspacios=Si\r\nCRtrasBR=No\r\nAncho=9000\r\nAlto=6000\r\n")
        << con({"mnuHTMLaTexto", "mnuUnicode", "mnuEntidadesHtml", "mnuSaltos", "mnuSoloCR", "mnuEspacios",
                "mnuCatalán"})
        << QStringList{} << "Catalán" << "HTML a Texto";
}

void SettingsFileTest::eachLineIsAppliedAsItIsRead()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QStringList, marcas);
    QFETCH(QStringList, avisos);
    QFETCH(QString, idioma);
    QFETCH(QString, modo);

    QVERIFY(EscribeConfiguracion(contenido));
    CierraAvisos cierra;
    frmConversor ventana;

    QCOMPARE(cierra.Textos(), avisos);
    for (const Aviso &aviso : cierra.Avisos) {
        QCOMPARE(aviso.Titulo, QStringLiteral("Velmora"));
        QCOMPARE(aviso.Icono, QMessageBox::Warning);
        QVERIFY(!aviso.VentanaVisible);
    }
    QCOMPARE(Marcados(&ventana), marcas);
    QCOMPARE(ventana.IdiomaActual(), idioma);
    QCOMPARE(ventana.ModoActual(), modo);
    QCOMPARE(Item(&ventana, "mnuCerrar")->text(), CerrarEn(idioma));
    // The reader sets marks only; it never disables an item.
    for (const QString &item : ItemsMarcables)
        QVERIFY2(Item(&ventana, item)->isEnabled(), qPrintable(item));
    QCOMPARE(EstadoVisible(&ventana), QStringLiteral("Pendiente procesar"));
}

void SettingsFileTest::yesWordsSetAnOption_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<bool>("marcado");

    QTest::newRow("Si sets the option") << QByteArray("Si") << true;
    QTest::newRow("SÍ in Windows-1252 sets the option") << QByteArray("S\xCD") << true;
    QTest::newRow("sí in Windows-1252 sets the option") << QByteArray("s\xED") << true;
    QTest::newRow("Yes sets the option") << QByteArray("Yes") << true;
    QTest::newRow("ON sets the option") << QByteArray("ON") << true;
    QTest::newRow("blanks around a yes word do not matter") << QByteArray("  si  ") << true;
    QTest::newRow("No clears the option") << QByteArray("No") << false;
    QTest::newRow("True clears the option") << QByteArray("True") << false;
    QTest::newRow("1 clears the option") << QByteArray("1") << false;
    QTest::newRow("off clears the option") << QByteArray("off") << false;
    QTest::newRow("an empty value clears the option") << QByteArray("") << false;
    QTest::newRow("a tab before a yes word clears the option") << QByteArray("\tSi") << false;
    QTest::newRow("sí in UTF-8 bytes clears the option") << QByteArray("s\xC3\xAD") << false;
}

void SettingsFileTest::yesWordsSetAnOption()
{
    QFETCH(QByteArray, valor);
    QFETCH(bool, marcado);

    // CRtrasBR is set by default and Unicode is not: both must follow the word.
    QVERIFY(EscribeConfiguracion("Unicode=" + valor + "\r\nCRtrasBR=" + valor + "\r\n"));
    CierraAvisos avisos;
    frmConversor ventana;
    QCOMPARE(Item(&ventana, "mnuUnicode")->isChecked(), marcado);
    QCOMPARE(Item(&ventana, "mnuCRtrasBR")->isChecked(), marcado);
    QCOMPARE(avisos.Textos(), QStringList());
}

void SettingsFileTest::sizeLinesNeverEndTheProgram_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QSizeF>("tamano");  // the outer size in twips afterwards

    QTest::newRow("no size lines keep the design size") << QByteArray("Idioma=Galego\r\n") << Diseno;
    QTest::newRow("whole twips are taken as they are") << QByteArray("Ancho=9000\r\nAlto=6000\r\n") << QSizeF(9000, 6000);
    QTest::newRow("9000.9 is floored to 9000") << QByteArray("Ancho=9000.9\r\nAlto=6000.5\r\n") << QSizeF(9000, 6000);
    QTest::newRow("a blank inside the number is skipped") << QByteArray("Ancho=9 000\r\n") << QSizeF(9000, 4020);
    QTest::newRow("text after the number is ignored") << QByteArray("Alto=6000twips\r\n") << QSizeF(5865, 6000);
    QTest::newRow("a width without a number gives the minimum") << QByteArray("Ancho=abc\r\n") << QSizeF(4740, 4020);
    QTest::newRow("negative sizes give the minimum") << QByteArray("Ancho=-9000\r\nAlto=-1\r\n") << Minimo;
    QTest::newRow("sizes below the minimum give the minimum") << QByteArray("Ancho=1000\r\nAlto=1000\r\n") << Minimo;
    QTest::newRow("1e30 fills the screen's available area") << QByteArray("Ancho=1e30\r\nAlto=1e30\r\n") << Mayor;
    QTest::newRow("400 digits fill the screen's available area")
        << QByteArray("Ancho=" + QByteArray(400, '9') + "\r\nAlto=" + QByteArray(400, '7') + "\r\n") << Mayor;
    QTest::newRow("an exponent beyond any double gives the screen's width")
        << QByteArray("Ancho=1e999999999999\r\n") << QSizeF(Pantalla, 4020);
    QTest::newRow("a height of 99999999 twips gives the screen's height")
        << QByteArray("Alto=99999999\r\n") << QSizeF(5865, Pantalla);
    QTest::newRow("a width just beyond the screen gives the screen's width")
        << QByteArray("Ancho=" + QByteArray::number((AnchoPantalla() + 1) * 15 + 120) + "\r\n") << QSizeF(Pantalla, 4020);
    QTest::newRow("minus 400 digits give the minimum") << QByteArray("Alto=-" + QByteArray(400, '9') + "\r\n")
                                                         << QSizeF(5865, 3780);
    QTest::newRow("the later size line wins") << QByteArray("Ancho=7005\r\nAncho=8010\r\n") << QSizeF(8010, 4020);
}

void SettingsFileTest::sizeLinesNeverEndTheProgram()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QSizeF, tamano);

    QVERIFY(EscribeConfiguracion(contenido));
    CierraAvisos avisos;
    frmConversor ventana;
    // Only the screen's available area limits a size: the window, less its
    // frame, fills that area in such a dimension, and no more.
    const QSize disponible = ventana.screen()->availableGeometry().size();
    if (tamano.width() == Pantalla) {
        QCOMPARE(ventana.width(), disponible.width());
        tamano.setWidth(ventana.TamanoExterior().width());
    }
    if (tamano.height() == Pantalla) {
        QCOMPARE(ventana.height(), disponible.height());
        tamano.setHeight(ventana.TamanoExterior().height());
    }
    QCOMPARE(ventana.TamanoExterior(), tamano);
    QCOMPARE(avisos.Textos(), QStringList());

    // And the size read is the size written back.
    ventana.close();
    const QList<QByteArray> lineas = LeeConfiguracionEscrita().split('\n');
    QVERIFY(lineas.size() > 10);
    QCOMPARE(lineas[8], "Ancho=" + QByteArray::number(qint64(tamano.width())) + "\r");
    QCOMPARE(lineas[9], "Alto=" + QByteArray::number(qint64(tamano.height())) + "\r");
}

void SettingsFileTest::fiftyMegabyteLineIsReadWithoutTrouble()
{
    // One line of 50 MB, with an English line before it to see reading go on around it.
    QByteArray contenido("Idioma=English\r\nUnicode=");
    contenido.append(QByteArray(50 * 1024 * 1024, 'x'));
    QVERIFY(EscribeConfiguracion(contenido));
    contenido.clear();

    CierraAvisos avisos;
    {
        frmConversor ventana;
        QCOMPARE(Marcados(&ventana), QStringList({"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"}));
        QCOMPARE(ventana.TamanoExterior(), Diseno);
    }
    QCOMPARE(avisos.Textos(), QStringList());
    BorraConfiguracion();
}

void SettingsFileTest::somethingElseInPlaceOfTheFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("que");
    QTest::addColumn<bool>("avisa");  // that the settings could not be saved
    QTest::newRow("a folder counts as absent, stays, and is reported at close") << "folder" << true;
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO is neither read, which would hang, nor replaced") << "fifo" << false;
#endif
}

void SettingsFileTest::somethingElseInPlaceOfTheFileIsLeftAlone()
{
    QFETCH(QString, que);
    QFETCH(bool, avisa);
    const QString ruta = RutaConfiguracion();
    if (que == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(ruta));
        QFile dentro(ruta + QStringLiteral("/Idioma=English"));
        QVERIFY(dentro.open(QIODevice::WriteOnly));
    }
#ifdef Q_OS_UNIX
    if (que == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0644), 0);
#endif

    CierraAvisos avisos;
    {
        frmConversor ventana;
        Muestra(&ventana);
        QCOMPARE(Marcados(&ventana), PorDefecto);
        QCOMPARE(ventana.TamanoExterior(), Diseno);
        // Closing cannot replace it.
        Pulsa(Boton(&ventana, "cmdCerrar"));
        QVERIFY(!ventana.isVisible());
    }
    const QFileInfo despues(ruta);
    QVERIFY(despues.exists() && !despues.isFile());
    const QString noGuardada = "No se ha podido guardar la configuración en " + QDir::toNativeSeparators(ruta) + ".";
    QCOMPARE(avisos.Textos(), avisa ? QStringList{noGuardada} : QStringList());
    QFile::remove(ruta);
    QDir(ruta).removeRecursively();
}

void SettingsFileTest::closeFollowsALinkToItsFile()
{
#ifdef Q_OS_UNIX
    const QString ruta = RutaConfiguracion();
    QTemporaryDir otra;
    const QString destino = otra.filePath(QStringLiteral("guardado.cfg"));
    QFile archivo(destino);
    QVERIFY(archivo.open(QIODevice::WriteOnly));
    QVERIFY(archivo.write("Idioma=English\r\n") > 0);
    archivo.close();
    QVERIFY(archivo.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link(destino, ruta));

    CierraAvisos avisos;
    {
        frmConversor ventana;
        QCOMPARE(Marcados(&ventana), QStringList({"mnuTextoaHTML", "mnuCRtrasBR", "mnuEnglish"}));
        Item(&ventana, "MnuGallego")->trigger();
        ventana.close();
    }
    // The link stays a link; its target holds the new lines and keeps its rights.
    QVERIFY(QFileInfo(ruta).isSymLink());
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    QVERIFY(archivo.readAll().startsWith("Idioma=Galego\r\n"));
    QCOMPARE(archivo.permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(avisos.Textos(), QStringList());
    QFile::remove(ruta);
#else
    QSKIP("Symbolic links are a Unix matter here");
#endif
}

void SettingsFileTest::readOnlyFolderGetsTheFileRewrittenInPlace()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("Root writes into a read-only folder anyway; run the window tests as another user to see this");
    QVERIFY(EscribeConfiguracion("Idioma=Galego\r\n"));
    const QString carpeta = QFileInfo(RutaConfiguracion()).path();
    const QFile::Permissions antes = QFileInfo(carpeta).permissions();
    QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner));
    {
        frmConversor ventana;
        Item(&ventana, "mnuEnglish")->trigger();
        ventana.close();
    }
    QFile::setPermissions(carpeta, antes);
    QVERIFY(LeeConfiguracionEscrita().startsWith("Idioma=English\r\n"));
#else
    QSKIP("Needs Unix folder permissions");
#endif
}

void SettingsFileTest::closeWritesTheTenLinesAndTheNextStartReadsThem_data()
{
    QTest::addColumn<QStringList>("items");  // clicked before closing
    QTest::addColumn<QSizeF>("tamano");
    QTest::addColumn<QByteArray>("archivo");

    QTest::newRow("English, HTML a Texto, line breaks and 9000 by 6000")
        << QStringList{"mnuEnglish", "mnuHTMLaTexto", "mnuSaltos"} << QSizeF(9000, 6000)
        << QByteArray("Idioma=English\r\nModo=HTML a Texto\r\nUnicode=No\r\nEntidadesHTML=No\r\nSaltos=Si\r\n"
                      "SoloCR=No\r\nEspacios=No\r\nCRtrasBR=Si\r\nAncho=9000\r\nAlto=6000\r\n");
    QTest::newRow("Catalán is written with the Windows-1252 byte E1")
        << QStringList{"mnuCatalán", "mnuUnicode", "mnuEntidadesHtml", "mnuSoloCR", "mnuEspacios", "mnuCRtrasBR"}
        << Minimo
        << QByteArray("Idioma=Catal\xE1n\r\nModo=Texto a HTML\r\nUnicode=Si\r\nEntidadesHTML=Si\r\nSaltos=No\r\n"
                      "SoloCR=Si\r\nEspacios=Si\r\nCRtrasBR=No\r\nAncho=4740\r\nAlto=3780\r\n");
    QTest::newRow("Galego at the design size with nothing else changed")
        << QStringList{"MnuGallego"} << Diseno
        << QByteArray("Idioma=Galego\r\nModo=Texto a HTML\r\nUnicode=No\r\nEntidadesHTML=No\r\nSaltos=No\r\n"
                      "SoloCR=No\r\nEspacios=No\r\nCRtrasBR=Si\r\nAncho=5865\r\nAlto=4020\r\n");
}

void SettingsFileTest::closeWritesTheTenLinesAndTheNextStartReadsThem()
{
    QFETCH(QStringList, items);
    QFETCH(QSizeF, tamano);
    QFETCH(QByteArray, archivo);

    CierraAvisos avisos;
    QStringList marcas;
    {
        frmConversor ventana;
        Muestra(&ventana);
        for (const QString &item : items)
            Item(&ventana, item)->trigger();
        ventana.PoneTamanoExterior(tamano);
        QCoreApplication::processEvents();
        marcas = Marcados(&ventana);
        Pulsa(Boton(&ventana, "cmdCerrar"));
    }
    QCOMPARE(LeeConfiguracionEscrita(), archivo);

    {
        frmConversor ventana;
        QCOMPARE(Marcados(&ventana), marcas);
        QCOMPARE(ventana.TamanoExterior(), tamano);
        Muestra(&ventana);
        QCOMPARE(ventana.TamanoExterior(), tamano);
        ventana.close();
    }
    QCOMPARE(LeeConfiguracionEscrita(), archivo);
    QCOMPARE(avisos.Textos(), QStringList());
}

void SettingsFileTest::closeReplacesWhateverTheFileHeld()
{
    QVERIFY(EscribeConfiguracion("# comment\r\nIdioma=Galego\r\nColor=rojo\r\nIdioma=English\r\nSaltos=Si\r\nSaltos=No\r\n"));
    CierraAvisos avisos;
    {
        frmConversor ventana;
        ventana.close();
    }
    QCOMPARE(LeeConfiguracionEscrita(),
             QByteArray("Idioma=English\r\nModo=Texto a HTML\r\nUnicode=No\r\nEntidadesHTML=No\r\nSaltos=No\r\n"
                        "SoloCR=No\r\nEspacios=No\r\nCRtrasBR=Si\r\nAncho=5865\r\nAlto=4020\r\n"));
    QCOMPARE(avisos.Textos(), QStringList());
}

void SettingsFileTest::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("limite");  // bytes a file may grow to
    QTest::addColumn<bool>("enSuSitio");  // the folder takes no new file
    QTest::newRow("nothing can be written") << 0 << false;
    QTest::newRow("the write stops at the end of the first line") << 16 << false;
    QTest::newRow("the write stops inside a line") << 40 << false;
    QTest::newRow("the write stops inside the last line") << 130 << false;
    QTest::newRow("in place, the file cannot grow") << 26 << true;
    QTest::newRow("in place, the write stops inside the last line") << 130 << true;
}

void SettingsFileTest::failedWriteKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    QFETCH(int, limite);
    QFETCH(bool, enSuSitio);
    if (enSuSitio && geteuid() == 0)
        QSKIP("Root writes into a read-only folder anyway; run the window tests as another user to see this");
    const QByteArray viejo("Idioma=Galego\r\nSaltos=Si\r\n");
    QVERIFY(EscribeConfiguracion(viejo));
    CierraAvisos avisos;
    frmConversor ventana;
    Item(&ventana, "mnuEnglish")->trigger();
    const QString carpeta = QFileInfo(RutaConfiguracion()).path();
    const QFile::Permissions antes = QFileInfo(carpeta).permissions();
    if (enSuSitio)
        QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner));

    // No write can complete: a file size limit binds root too, unlike the
    // folder's permissions.
    rlimit limites{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limites), 0);
    rlimit tope = limites;
    tope.rlim_cur = rlim_t(limite);
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tope), 0);
    ventana.close();
    setrlimit(RLIMIT_FSIZE, &limites);
    std::signal(SIGXFSZ, senal);
    QFile::setPermissions(carpeta, antes);

    QVERIFY(!ventana.isVisible());
    QCOMPARE(LeeConfiguracionEscrita(), viejo);
    // Nor is a half-written temporary file left beside it.
    const QStringList restos = QDir(carpeta).entryList({QStringLiteral("Velmora.cfg?*")}, QDir::Files);
    QCOMPARE(restos, QStringList());
    // Said once, in the interface language, with the file's name.
    QCOMPARE(avisos.Textos(),
             QStringList{"The settings could not be saved to " + QDir::toNativeSeparators(RutaConfiguracion()) + "."});
#else
    QSKIP("Needs a file size limit to make the write fail");
#endif
}

void SettingsFileTest::fileLivesWhereTheLayoutKeepsIt_data()
{
    QTest::addColumn<QString>("xdg");  // XDG_CONFIG_HOME, under a scratch folder that is also HOME
    QTest::addColumn<QString>("carpeta");
    QTest::newRow("XDG_CONFIG_HOME names the folder") << "/xdg" << "/xdg/velmora";
    QTest::newRow("without XDG_CONFIG_HOME, ~/.config") << "" << "/.config/velmora";
    QTest::newRow("a relative XDG_CONFIG_HOME is passed over") << "xdg" << "/.config/velmora";
}

void SettingsFileTest::fileLivesWhereTheLayoutKeepsIt()
{
    QFETCH(QString, xdg);
    QFETCH(QString, carpeta);
    QTemporaryDir casa;
    const QByteArray antes[] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME")};
    qputenv("HOME", casa.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (xdg.startsWith('/') ? casa.path() + xdg : xdg).toLocal8Bit());
    {
        frmConversor ventana;
        Item(&ventana, "mnuEnglish")->trigger();
        ventana.close();
    }
    const QString ruta = RutaConfiguracion();
    qputenv("HOME", antes[0]);
    qputenv("XDG_CONFIG_HOME", antes[1]);
#ifdef VELMORA_CONFIGURACION_USUARIO
    // Made for the user alone.
    QCOMPARE(ruta, casa.path() + carpeta + "/Velmora.cfg");
    QCOMPARE(QFileInfo(casa.path() + carpeta).permissions() & QFile::Permissions(0x0077), QFile::Permissions());  // group, others
#else
    QCOMPARE(ruta, QCoreApplication::applicationDirPath() + "/Velmora.cfg");
#endif
    QFile archivo(ruta);
    QVERIFY(archivo.open(QIODevice::ReadOnly) && archivo.readAll().startsWith("Idioma=English\r\n"));
    archivo.remove();
}

QTEST_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
