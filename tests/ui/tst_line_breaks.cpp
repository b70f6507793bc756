// Line breaks and no-break spaces on their way between the two boxes, the
// conversion and the clipboard. The text boxes keep no CR or LF of their own,
// so the conversion must be given CR LF for every break, and Copy must give
// back exactly the conversion's string.

#include "Ayudas.h"

#include <QRegularExpression>

using namespace Ayudas;

namespace {

const QString CR = QStringLiteral("\r");
const QString LF = QStringLiteral("\n");
const QString CRLF = QStringLiteral("\r\n");

}  // namespace

class LineBreaksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init();
    void cleanup();

    void sourceBreaksReachTheConversionAsCrLf_data();
    void sourceBreaksReachTheConversionAsCrLf();
    void noBreakSpaceReachesTheConversionUntouched_data();
    void noBreakSpaceReachesTheConversionUntouched();
    void resultBreaksShowAsLinesAndCopyExactly_data();
    void resultBreaksShowAsLinesAndCopyExactly();
    void handEditedResultIsCopiedWithCrLf_data();
    void handEditedResultIsCopiedWithCrLf();

private:
    void Marca(const QStringList &items);
    std::unique_ptr<frmConversor> ventana;
    Entorno entorno;
};

void LineBreaksTest::init()
{
    entorno.Empieza();
    ventana = std::make_unique<frmConversor>();
    Muestra(ventana.get());
}

void LineBreaksTest::cleanup()
{
    ventana.reset();
    QCOMPARE(entorno.Termina(), QStringList());
}

void LineBreaksTest::Marca(const QStringList &items)
{
    for (const QString &item : items)
        Item(ventana.get(), item)->trigger();
}

void LineBreaksTest::sourceBreaksReachTheConversionAsCrLf_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("origen");   // put into the box; "<Return>" and "<Shift+Return>" are typed
    QTest::addColumn<QString>("resultado");

    const QStringList saltos{"mnuSaltos"};
    const QStringList soloBR{"mnuSaltos", "mnuCRtrasBR"};  // CRtrasBR ticked by default: this unticks it
    QTest::newRow("a line feed is marked with BR and kept as CR LF") << saltos << "a\nb" << "a<BR>\r\nb";
    QTest::newRow("a CR LF is marked with BR and kept as CR LF") << saltos << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("a lone CR is marked with BR and kept as CR LF") << saltos << "a\rb" << "a<BR>\r\nb";
    QTest::newRow("a typed Return is marked with BR") << saltos << "a<Return>b" << "a<BR>\r\nb";
    QTest::newRow("a typed Shift+Return is marked with BR") << saltos << "a<Shift+Return>b" << "a<BR>\r\nb";
    QTest::newRow("without the break after BR each break becomes BR alone") << soloBR << "a\nb" << "a<BR>b";
    QTest::newRow("an empty line gives two BR") << soloBR << "a\n\nb" << "a<BR><BR>b";
    QTest::newRow("a break at the end is converted too") << saltos << "a\n" << "a<BR>\r\n";
    QTest::newRow("without line processing a break passes as CR LF") << QStringList{} << "a\nb" << "a\r\nb";
    QTest::newRow("HTML to text keeps a source break as CR LF")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos"} << "a<BR>\nb" << "a\r\nb";
}

void LineBreaksTest::sourceBreaksReachTheConversionAsCrLf()
{
    QFETCH(QStringList, items);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);

    Marca(items);
    QPlainTextEdit *caja = Caja(ventana.get(), QStringLiteral("sOriginal"));
    if (origen.contains(QLatin1Char('<')) && origen.contains(QLatin1String("Return>"))) {
        caja->setFocus();
        const QStringList partes = origen.split(QRegularExpression(QStringLiteral("<[^>]*>")));
        QTest::keyClicks(caja, partes[0]);
        QTest::keyClick(caja, Qt::Key_Return,
                        origen.contains(QLatin1String("Shift")) ? Qt::ShiftModifier : Qt::NoModifier);
        QTest::keyClicks(caja, partes[1]);
    } else {
        caja->setPlainText(origen);
    }
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    QCOMPARE(Portapapeles(), resultado);
}

void LineBreaksTest::noBreakSpaceReachesTheConversionUntouched_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("pegando");  // through paste-convert-copy instead of typing
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("resultado");

    const QString nbsp(QChar(0x00A0));
    QTest::newRow("text to HTML leaves a no-break space alone and converts the blank")
        << QStringList{"mnuEspacios"} << false << "a" + nbsp + "b c" << "a" + nbsp + "b&nbsp;c";
    QTest::newRow("HTML to text leaves a no-break space alone")
        << QStringList{"mnuHTMLaTexto", "mnuEspacios"} << false << "a" + nbsp + "b&nbsp;c" << "a" + nbsp + "b c";
    QTest::newRow("a pasted no-break space passes through to the clipboard")
        << QStringList{"mnuEspacios"} << true << nbsp + "x y" << nbsp + "x&nbsp;y";
}

void LineBreaksTest::noBreakSpaceReachesTheConversionUntouched()
{
    QFETCH(QStringList, items);
    QFETCH(bool, pegando);
    QFETCH(QString, origen);
    QFETCH(QString, resultado);

    Marca(items);
    if (pegando) {
        PonPortapapeles(origen);
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdPegayCopia")));
    } else {
        Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(origen);
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    }
    QCOMPARE(Portapapeles(), resultado);
    QCOMPARE(Caja(ventana.get(), QStringLiteral("sConvertido"))->document()->toRawText(), resultado);
}

void LineBreaksTest::resultBreaksShowAsLinesAndCopyExactly_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QStringList>("lineas");       // as the result box shows them
    QTest::addColumn<QString>("portapapeles");     // after Copy

    QTest::newRow("BR with CR LF after it shows two lines and copies CR LF")
        << QStringList{"mnuSaltos"} << "a\nb" << QStringList{"a<BR>", "b"} << "a<BR>" + CRLF + "b";
    QTest::newRow("BR with a lone CR after it shows two lines and copies the lone CR")
        << QStringList{"mnuSaltos", "mnuSoloCR"} << "a\nb\nc" << QStringList{"a<BR>", "b<BR>", "c"}
        << "a<BR>" + CR + "b<BR>" + CR + "c";
    QTest::newRow("HTML to text gives CR LF, shown as a new line")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos"} << "x<BR>y" << QStringList{"x", "y"} << "x" + CRLF + "y";
    QTest::newRow("HTML to text without LF gives a lone CR, shown as a new line")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "x<BR>y" << QStringList{"x", "y"}
        << "x" + CR + "y";
    QTest::newRow("a lone CR and a CR LF in one result are both new lines")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "a\nb<BR>c" << QStringList{"a", "b", "c"}
        << "a" + CRLF + "b" + CR + "c";
    QTest::newRow("a lone CR followed by CR LF gives an empty line between")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "a<BR>\n\nb" << QStringList{"a", "", "b"}
        << "a" + CR + CRLF + "b";
}

void LineBreaksTest::resultBreaksShowAsLinesAndCopyExactly()
{
    QFETCH(QStringList, items);
    QFETCH(QString, origen);
    QFETCH(QStringList, lineas);
    QFETCH(QString, portapapeles);

    Marca(items);
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(origen);
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));

    QPlainTextEdit *convertido = Caja(ventana.get(), QStringLiteral("sConvertido"));
    QCOMPARE(convertido->blockCount(), lineas.size());
    QCOMPARE(convertido->toPlainText().split(LF), lineas);
    QVERIFY(!convertido->document()->toRawText().contains(CR));
    QVERIFY(!convertido->document()->toRawText().contains(LF));

    Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    QCOMPARE(Portapapeles(), portapapeles);
}

void LineBreaksTest::handEditedResultIsCopiedWithCrLf_data()
{
    QTest::addColumn<QString>("tecleado");  // typed at the end of the result; "\n" is Return
    QTest::addColumn<bool>("reconvertir");  // converted again from the menu before copying
    QTest::addColumn<QString>("portapapeles");

    QTest::newRow("a typed letter makes Copy take the box with CR LF") << "z" << false << "x" + CRLF + "yz";
    QTest::newRow("a typed Return is copied as CR LF") << "\nz" << false << "x" + CRLF + "y" + CRLF + "z";
    QTest::newRow("a new conversion makes Copy take the exact result again") << "z" << true << "x" + CR + "y";
}

void LineBreaksTest::handEditedResultIsCopiedWithCrLf()
{
    QFETCH(QString, tecleado);
    QFETCH(bool, reconvertir);
    QFETCH(QString, portapapeles);

    Marca({"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"});
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("x<BR>y"));
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));

    QPlainTextEdit *convertido = Caja(ventana.get(), QStringLiteral("sConvertido"));
    convertido->setFocus();
    convertido->moveCursor(QTextCursor::End);
    for (const QChar letra : tecleado) {
        if (letra == QLatin1Char('\n'))
            QTest::keyClick(convertido, Qt::Key_Return);
        else
            QTest::keyClicks(convertido, QString(letra));
    }
    if (reconvertir)
        Item(ventana.get(), QStringLiteral("mnuConvertir"))->trigger();

    Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    QCOMPARE(Portapapeles(), portapapeles);
}

QTEST_MAIN(LineBreaksTest)
#include "tst_line_breaks.moc"
