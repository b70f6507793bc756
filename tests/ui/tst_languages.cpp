// SPDX-License-Identifier: GPL-3.0-or-later
// The four interface languages: what each one shows, what stays the same in
// all of them, the message for a language that does not exist, and the
// language read back from the check marks.

#include "Ayudas.h"

#include <QAccessible>
#include <QMenu>
#include <QRegularExpression>

using namespace Ayudas;

namespace {

const QStringList ItemsIdioma{"mnuCastellano", "mnuCatalán", "MnuGallego", "mnuEnglish"};

// Everything a language can change, and everything it must leave alone.
struct Foto {
    QMap<QString, QString> Textos;
    QStringList Marcas;
    QString Original, Convertido, Estado, Titulo;
    QImage Luz;

    bool operator==(const Foto &) const = default;
};

Foto Fotografia(const frmConversor *ventana)
{
    Foto foto;
    for (const QAction *item : ventana->findChildren<QAction *>()) {
        if (!item->objectName().isEmpty())
            foto.Textos.insert(item->objectName(), item->text());
    }
    for (const QMenu *menu : ventana->findChildren<QMenu *>())
        foto.Textos.insert(menu->objectName(), menu->title());
    for (const QLabel *etiqueta : ventana->findChildren<QLabel *>())
        foto.Textos.insert(etiqueta->objectName(), etiqueta->text());
    for (const QPushButton *boton : ventana->findChildren<QPushButton *>())
        foto.Textos.insert(boton->objectName(), boton->toolTip());
    foto.Marcas = Marcados(ventana);
    foto.Original = Texto(ventana, "sOriginal");
    foto.Convertido = Texto(ventana, "sConvertido");
    foto.Estado = EstadoVisible(ventana);
    foto.Titulo = ventana->windowTitle();
    foto.Luz = ImagenDe(ventana, "picSemaforo");
    return foto;
}

// Some converted text in the result box, the light green, and marks that
// differ from the defaults.
void PreparaTrabajo(frmConversor *ventana)
{
    Item(ventana, QStringLiteral("mnuSaltos"))->trigger();
    Item(ventana, QStringLiteral("mnuHTMLaTexto"))->trigger();
    Caja(ventana, QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("a&lt;b<BR>c"));
    Pulsa(Boton(ventana, QStringLiteral("cmdConvertir")));
}

QString TextoDe(const frmConversor *ventana, const QString &nombre)
{
    if (auto *boton = ventana->findChild<QPushButton *>(nombre))
        return boton->toolTip();
    if (auto *menu = ventana->findChild<QMenu *>(nombre))
        return menu->title();
    if (auto *etiqueta = ventana->findChild<QLabel *>(nombre))
        return etiqueta->text();
    return Item(ventana, nombre)->text();
}

}  // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init();
    void cleanup();

    void everyLanguageIsApplied_data();
    void everyLanguageIsApplied();
    void languageItemsAndTitleReadTheSameInEveryLanguage_data();
    void languageItemsAndTitleReadTheSameInEveryLanguage();
    void applyingALanguageTouchesNoMark_data();
    void applyingALanguageTouchesNoMark();
    void switchingLanguageKeepsBoxesMarksAndLight_data();
    void switchingLanguageKeepsBoxesMarksAndLight();
    void unknownLanguageIsReportedAndChangesNothing_data();
    void unknownLanguageIsReportedAndChangesNothing();
    void currentLanguageIsTheLastTickedItem_data();
    void currentLanguageIsTheLastTickedItem();

private:
    std::unique_ptr<frmConversor> ventana;
    Entorno entorno;
};

void LanguagesTest::init()
{
    entorno.Empieza();
    ventana = std::make_unique<frmConversor>();
    Muestra(ventana.get());
}

void LanguagesTest::cleanup()
{
    ventana.reset();
    QCOMPARE(entorno.Termina(), QStringList());
}

void LanguagesTest::everyLanguageIsApplied_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("desde");  // the language item chosen before
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QStringList>("textos");  // "control=text"
    QTest::addColumn<QStringList>("deQt");    // the message boxes' OK, then the boxes' context menu

    QTest::newRow("Castellano shows the Spanish texts")
        << "mnuCastellano" << "mnuEnglish" << "Castellano"
        << QStringList{"cmdConvertir=Convertir", "cmdBorrar=Borrar", "cmdPegar=Pegar portapapeles",
                       "cmdCerrar=Cerrar", "mnuArchivo=Archivo", "mnuHTMLaTexto=HTML a texto",
                       "mnuConversion=Conversión", "mnuEntidadesHtml=Convertir carácteres especiales HTML",
                       "mnuCRtrasBR=Salto de línea tras <BR>", "mnuWeb=Ayuda en línea", "mnuAcerca=Acerca de...",
                       "lblConvertido=Convertido:", "lblOriginal=Original:"}
        << QStringList{"Aceptar", "Deshacer", "Pegar", "Seleccionar todo"};
    QTest::newRow("Català shows the Catalan texts")
        << "mnuCatalán" << "mnuCastellano" << "Catalán"
        << QStringList{"cmdConvertir=Convertir", "cmdBorrar=Esborrar", "cmdPegar=Engantxar portapapers",
                       "cmdCerrar=Tancar", "mnuArchivo=Arxiu", "mnuModo=Mode", "mnuHTMLaTexto=HTML a texte",
                       "mnuSoloCR=No utilitzar LF darrera de CR", "mnuAyuda=Ajuda", "mnuAcerca=Respecte de...",
                       "lblConvertido=Convertit:", "lblOriginal=Original:"}
        << QStringList{"D'acord", "Desfés", "Enganxa", "Selecciona-ho tot"};
    QTest::newRow("Galego shows the Galician texts, some equal to the Spanish")
        << "MnuGallego" << "mnuCastellano" << "Galego"
        << QStringList{"cmdBorrar=Borrar", "cmdCerrar=Pechar", "cmdCopiar=Copiar ao portapapeis",
                       "mnuModo=Modo", "mnuOpciones=Opcións", "mnuSaltos=Procesar saltos de liña",
                       "mnuWeb=Axuda en liña", "lblConvertido=Convertido:", "lblOriginal=Orixinal:"}
        << QStringList{"Aceptar", "Desfacer", "Pegar", "Seleccionar todo"};
    QTest::newRow("choosing the ticked Castellano again keeps it ticked")
        << "mnuCastellano" << "mnuCastellano" << "Castellano"
        << QStringList{"cmdBorrar=Borrar", "mnuArchivo=Archivo", "lblOriginal=Original:"}
        << QStringList{"Aceptar", "Deshacer", "Pegar", "Seleccionar todo"};
    QTest::newRow("English shows the English texts")
        << "mnuEnglish" << "mnuCastellano" << "English"
        << QStringList{"cmdConvertir=Convert", "cmdBorrar=Delete", "cmdPegar=Paste clipboard",
                       "cmdPegayCopia=Convert clipboard", "cmdCopiar=Copy to clipboard", "cmdCerrar=Close",
                       "mnuArchivo=File", "mnuModo=Mode", "mnuTextoaHTML=Text to HTML",
                       "mnuSoloCR=Don't use LF after CR", "mnuIdioma=Language", "mnuAcerca=About...",
                       "lblConvertido=Converted:", "lblOriginal=Original:"}
        << QStringList{"OK", "Undo", "Paste", "Select All"};
}

void LanguagesTest::everyLanguageIsApplied()
{
    QFETCH(QString, item);
    QFETCH(QString, desde);
    QFETCH(QString, idioma);
    QFETCH(QStringList, textos);
    QFETCH(QStringList, deQt);

    CierraAvisos avisos;
    Item(ventana.get(), desde)->trigger();
    Item(ventana.get(), item)->trigger();

    // The toolkit's own texts follow: the OK of a message box of the program,
    // and the first items of a box's context menu.
    {
        CierraAvisos mensaje;
        ventana->PoneIdioma(QStringLiteral("Klingon"));
        QCOMPARE(mensaje.Avisos.size(), 1);
        QStringList vistos{mensaje.Avisos[0].Boton};
        const std::unique_ptr<QMenu> menu(Caja(ventana.get(), QStringLiteral("sOriginal"))->createStandardContextMenu());
        for (const QAction *accion : menu->actions()) {
            const QString texto = accion->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            if (deQt.contains(texto))
                vistos << texto;
        }
        QCOMPARE(vistos, deQt);
    }

    QCOMPARE(ventana->IdiomaActual(), idioma);
    QCOMPARE(Marcados(ventana.get()).filter(QRegularExpression(QStringLiteral("^[mM]nu(Castellano|Catal|Gallego|English)"))),
             QStringList{item});
    for (const QString &par : textos) {
        const QString control = par.section(QLatin1Char('='), 0, 0);
        QCOMPARE(TextoDe(ventana.get(), control), par.section(QLatin1Char('='), 1));
    }
    // Screen readers name each image button by its tooltip.
    for (QPushButton *boton : ventana->findChildren<QPushButton *>())
        QCOMPARE(QAccessible::queryAccessibleInterface(boton)->text(QAccessible::Name), boton->toolTip());
    // Four menu items repeat their buttons' tooltips, and Close reads the same on both.
    QCOMPARE(TextoDe(ventana.get(), "mnuPegar"), TextoDe(ventana.get(), "cmdPegar"));
    QCOMPARE(TextoDe(ventana.get(), "mnuConvertir"), TextoDe(ventana.get(), "cmdConvertir"));
    QCOMPARE(TextoDe(ventana.get(), "mnuCopiarResultado"), TextoDe(ventana.get(), "cmdCopiar"));
    QCOMPARE(TextoDe(ventana.get(), "mnuConvertirPortapapeles"), TextoDe(ventana.get(), "cmdPegayCopia"));
    QCOMPARE(TextoDe(ventana.get(), "mnuCerrar"), TextoDe(ventana.get(), "cmdCerrar"));
    // No access-key markers, and no label cut short.
    for (const QString &texto : Fotografia(ventana.get()).Textos)
        QVERIFY2(!texto.contains(QLatin1Char('&')), qPrintable(texto));
    for (const char *etiqueta : {"lblOriginal", "lblConvertido"}) {
        const QLabel *l = Control<QLabel>(ventana.get(), QLatin1String(etiqueta));
        QVERIFY2(l->width() >= l->sizeHint().width(), etiqueta);
    }
    QCOMPARE(avisos.Textos(), QStringList());
}

void LanguagesTest::languageItemsAndTitleReadTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("item");
    for (const QString &item : ItemsIdioma)
        QTest::addRow("in the language of %s", qPrintable(item)) << item;
}

void LanguagesTest::languageItemsAndTitleReadTheSameInEveryLanguage()
{
    QFETCH(QString, item);

    Item(ventana.get(), item)->trigger();
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Velmora v1.03"));
    QCOMPARE(Item(ventana.get(), "mnuCastellano")->text(), QStringLiteral("Castellano"));
    QCOMPARE(Item(ventana.get(), "mnuCatalán")->text(), QStringLiteral("Català"));
    QCOMPARE(Item(ventana.get(), "MnuGallego")->text(), QStringLiteral("Galego"));
    QCOMPARE(Item(ventana.get(), "mnuEnglish")->text(), QStringLiteral("English"));
}

void LanguagesTest::applyingALanguageTouchesNoMark_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("cerrar");
    QTest::newRow("Catalán is applied with Castellano still ticked") << "Catalán" << "Tancar";
    QTest::newRow("Galego is applied with Castellano still ticked") << "Galego" << "Pechar";
    QTest::newRow("English is applied with Castellano still ticked") << "English" << "Close";
}

void LanguagesTest::applyingALanguageTouchesNoMark()
{
    QFETCH(QString, idioma);
    QFETCH(QString, cerrar);

    const QStringList marcas = Marcados(ventana.get());
    ventana->PoneIdioma(idioma);
    QCOMPARE(TextoDe(ventana.get(), "mnuCerrar"), cerrar);
    QCOMPARE(TextoDe(ventana.get(), "cmdCerrar"), cerrar);
    QCOMPARE(Marcados(ventana.get()), marcas);
    QCOMPARE(ventana->IdiomaActual(), QStringLiteral("Castellano"));
}

void LanguagesTest::switchingLanguageKeepsBoxesMarksAndLight_data()
{
    QTest::addColumn<QString>("item");
    for (const QString &item : ItemsIdioma)
        QTest::addRow("choosing %s keeps the boxes, the marks and the light", qPrintable(item)) << item;
}

void LanguagesTest::switchingLanguageKeepsBoxesMarksAndLight()
{
    QFETCH(QString, item);

    PreparaTrabajo(ventana.get());
    const Foto antes = Fotografia(ventana.get());
    QCOMPARE(antes.Convertido, QStringLiteral("a<b\r\nc"));
    QCOMPARE(antes.Estado, QStringLiteral("Procesado"));

    Item(ventana.get(), item)->trigger();
    const Foto despues = Fotografia(ventana.get());
    QCOMPARE(despues.Original, antes.Original);
    QCOMPARE(despues.Convertido, antes.Convertido);
    QCOMPARE(despues.Estado, antes.Estado);
    QCOMPARE(despues.Luz, antes.Luz);
    QStringList marcas = antes.Marcas;
    marcas.removeOne(QStringLiteral("mnuCastellano"));
    marcas << item;
    QCOMPARE(despues.Marcas, marcas);
    for (const char *opcion : {"mnuUnicode", "mnuEntidadesHtml", "mnuCRtrasBR"})
        QVERIFY2(!Item(ventana.get(), QLatin1String(opcion))->isEnabled(), opcion);
}

void LanguagesTest::unknownLanguageIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("elegido");  // the language chosen before
    QTest::addColumn<QString>("nombre");

    QTest::newRow("english in lower case is not a language") << "mnuEnglish" << "english";
    QTest::newRow("the empty name is not a language") << "mnuCastellano" << "";
    QTest::newRow("a trailing blank makes another name") << "MnuGallego" << "Castellano ";
    QTest::newRow("the Catalan item's caption is not the language's name") << "mnuCastellano" << "Català";
}

void LanguagesTest::unknownLanguageIsReportedAndChangesNothing()
{
    QFETCH(QString, elegido);
    QFETCH(QString, nombre);

    Item(ventana.get(), elegido)->trigger();
    PreparaTrabajo(ventana.get());
    const Foto antes = Fotografia(ventana.get());

    CierraAvisos avisos;
    ventana->PoneIdioma(nombre);

    QCOMPARE(avisos.Avisos.size(), 1);
    QCOMPARE(avisos.Avisos[0].Texto, QStringLiteral("Idioma no contemplado."));
    QCOMPARE(avisos.Avisos[0].Titulo, QStringLiteral("Idioma no contemplado"));
    QCOMPARE(avisos.Avisos[0].Icono, QMessageBox::Critical);
    const Foto despues = Fotografia(ventana.get());
    QCOMPARE(despues.Textos, antes.Textos);
    QCOMPARE(despues.Marcas, antes.Marcas);
    QCOMPARE(despues.Original, antes.Original);
    QCOMPARE(despues.Convertido, antes.Convertido);
    QCOMPARE(despues.Estado, antes.Estado);
    QVERIFY(despues == antes);
}

void LanguagesTest::currentLanguageIsTheLastTickedItem_data()
{
    QTest::addColumn<QStringList>("marcados");
    QTest::addColumn<QString>("idioma");

    QTest::newRow("Castellano alone") << QStringList{"mnuCastellano"} << "Castellano";
    QTest::newRow("Castellano and English give English") << QStringList{"mnuCastellano", "mnuEnglish"} << "English";
    QTest::newRow("Català and Galego give Galego") << QStringList{"mnuCatalán", "MnuGallego"} << "Galego";
    QTest::newRow("Castellano and Català give Catalán") << QStringList{"mnuCastellano", "mnuCatalán"} << "Catalán";
    QTest::newRow("all four give English") << ItemsIdioma << "English";
    QTest::newRow("none gives the empty name") << QStringList{} << "";
}

void LanguagesTest::currentLanguageIsTheLastTickedItem()
{
    QFETCH(QStringList, marcados);
    QFETCH(QString, idioma);

    // The menu does not keep one mark per group; the settings file can tick several.
    for (const QString &item : ItemsIdioma)
        Item(ventana.get(), item)->setChecked(marcados.contains(item));
    QCOMPARE(ventana->IdiomaActual(), idioma);
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
