// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks and no-break spaces on their way between the two boxes, the
// conversion and the clipboard. The boxes keep every CR, LF and CR LF they
// are given; text entering from outside has its breaks made CR LF on the way
// in, and Copy gives exactly what the result box holds.

#include "Ayudas.h"

#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>

using namespace Ayudas;

namespace {

const QString CR = QStringLiteral("\r");
const QString LF = QStringLiteral("\n");
const QString CRLF = QStringLiteral("\r\n");

// Drops a text on a box as a drag from another program would.
void Suelta(CuadroTexto *caja, const QString &texto)
{
    QMimeData datos;
    datos.setText(texto);
    const QPoint punto = caja->viewport()->rect().center();
    QDragEnterEvent entra(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(caja->viewport(), &entra);
    QDragMoveEvent mueve(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(caja->viewport(), &mueve);
    // Offered as a move, as a drag from the other box is: taken as a copy.
    QDropEvent suelta(punto, Qt::CopyAction | Qt::MoveAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(caja->viewport(), &suelta);
    QCOMPARE(suelta.dropAction(), Qt::CopyAction);
}

}  // namespace

class LineBreaksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init();
    void cleanup();

    void breaksEnteringTheSourceBoxBecomeCrLf_data();
    void breaksEnteringTheSourceBoxBecomeCrLf();
    void textSetByTheProgramIsKeptExactly_data();
    void textSetByTheProgramIsKeptExactly();
    void noBreakSpaceReachesTheConversionUntouched_data();
    void noBreakSpaceReachesTheConversionUntouched();
    void resultBreaksShowAsLinesAndCopyExactly_data();
    void resultBreaksShowAsLinesAndCopyExactly();
    void handEditedResultIsCopiedAsTheBoxHoldsIt_data();
    void handEditedResultIsCopiedAsTheBoxHoldsIt();
    void selectionCopiesTheExactText_data();
    void selectionCopiesTheExactText();
    void clipboardEqualsVelmoraConvertOutput_data();
    void clipboardEqualsVelmoraConvertOutput();

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

void LineBreaksTest::breaksEnteringTheSourceBoxBecomeCrLf_data()
{
    QTest::addColumn<QString>("via");      // Paste button, Ctrl+V, drop, or typed ("<Return>" is the key)
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QString>("enCaja");
    QTest::addColumn<QString>("resultado");

    const QStringList saltos{"mnuSaltos"};
    const QStringList soloBR{"mnuSaltos", "mnuCRtrasBR"};  // CRtrasBR ticked by default: this unticks it
    const QString ls(QChar(0x2028)), ps(QChar(0x2029));
    QTest::newRow("pasting LF-only text gives CR LF in the box")
        << "cmdPegar" << saltos << "a\nb\nc" << "a\r\nb\r\nc" << "a<BR>\r\nb<BR>\r\nc";
    QTest::newRow("a pasted lone CR becomes CR LF") << "cmdPegar" << saltos << "a\rb" << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("a pasted CR LF stays one break") << "cmdPegar" << saltos << "a\r\nb" << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("LF then CR are two breaks") << "cmdPegar" << soloBR << "a\n\rb" << "a\r\n\r\nb" << "a<BR><BR>b";
    QTest::newRow("breaks at both ends are converted too")
        << "cmdPegar" << saltos << "\na\r" << "\r\na\r\n" << "<BR>\r\na<BR>\r\n";
    QTest::newRow("U+2028 and U+2029 are ordinary characters")
        << "cmdPegar" << saltos << "a" + ls + "b" + ps << "a" + ls + "b" + ps << "a" + ls + "b" + ps;
    QTest::newRow("paste-convert-copy pastes LF as CR LF too")
        << "cmdPegayCopia" << saltos << "a\nb" << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("Ctrl+V in the box turns LF into CR LF") << "Ctrl+V" << saltos << "x\ny" << "x\r\ny" << "x<BR>\r\ny";
    QTest::newRow("a drop turns LF and CR into CR LF") << "drop" << soloBR << "x\ny\r" << "x\r\ny\r\n" << "x<BR>y<BR>";
    QTest::newRow("Ctrl+V of mixed breaks leaves a CR LF single")
        << "Ctrl+V" << saltos << "x\r\ny\nz" << "x\r\ny\r\nz" << "x<BR>\r\ny<BR>\r\nz";
    QTest::newRow("a drop of mixed breaks leaves a CR LF single")
        << "drop" << saltos << "x\r\ny\nz" << "x\r\ny\r\nz" << "x<BR>\r\ny<BR>\r\nz";
    const QString linea = QString::fromUtf8("añ<").repeated(66'667);  // 200,001 characters on one line
    QTest::newRow("a 200,000-character line is pasted, converted and copied exactly")
        << "cmdPegayCopia" << QStringList{"mnuEntidadesHtml"} << linea << linea
        << QString::fromUtf8("a&ntilde;&lt;").repeated(66'667);
    QTest::newRow("a 200,000-character line given by Ctrl+V is shown broken")
        << "Ctrl+V" << QStringList{"mnuEntidadesHtml"} << linea << linea << QString::fromUtf8("a&ntilde;&lt;").repeated(66'667);
    QTest::newRow("a 200,000-character line dropped is shown broken")
        << "drop" << QStringList{"mnuEntidadesHtml"} << linea << linea << QString::fromUtf8("a&ntilde;&lt;").repeated(66'667);
    QTest::newRow("a typed Return is CR LF") << "typed" << saltos << "a<Return>b" << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("a typed Shift+Return is CR LF") << "typed" << saltos << "a<Shift+Return>b" << "a\r\nb" << "a<BR>\r\nb";
    QTest::newRow("without line processing a pasted break reaches the result as CR LF")
        << "cmdPegar" << QStringList{} << "a\nb" << "a\r\nb" << "a\r\nb";
    const QString largo(65535, QLatin1Char('a'));  // the box takes texts in pieces of 65536 units
    QTest::newRow("a pasted CR LF across two pieces stays one break")
        << "cmdPegar" << saltos << largo + "\r\nb" << largo + "\r\nb" << largo + "<BR>\r\nb";
    QTest::newRow("a pasted lone CR at the end of a piece becomes CR LF")
        << "cmdPegar" << saltos << largo + "\rb" << largo + "\r\nb" << largo + "<BR>\r\nb";
    QTest::newRow("HTML to text keeps a pasted break as CR LF")
        << "cmdPegar" << QStringList{"mnuHTMLaTexto", "mnuSaltos"} << "a<BR>\nb" << "a<BR>\r\nb" << "a\r\nb";
}

void LineBreaksTest::breaksEnteringTheSourceBoxBecomeCrLf()
{
    QFETCH(QString, via);
    QFETCH(QStringList, items);
    QFETCH(QString, origen);
    QFETCH(QString, enCaja);
    QFETCH(QString, resultado);

    Marca(items);
    CuadroTexto *caja = Caja(ventana.get(), QStringLiteral("sOriginal"));
    if (via.startsWith(QLatin1String("cmd"))) {
        PonPortapapeles(origen);
        Pulsa(Boton(ventana.get(), via));
    } else if (via == QLatin1String("Ctrl+V")) {
        PonPortapapeles(origen);
        caja->setFocus();
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
    } else if (via == QLatin1String("drop")) {
        Suelta(caja, origen);
    } else {
        caja->setFocus();
        const QStringList partes = origen.split(QRegularExpression(QStringLiteral("<[^>]*>")));
        QTest::keyClicks(caja, partes[0]);
        QTest::keyClick(caja, Qt::Key_Return,
                        origen.contains(QLatin1String("Shift")) ? Qt::ShiftModifier : Qt::NoModifier);
        QTest::keyClicks(caja, partes[1]);
    }
    QCoreApplication::processEvents();  // a long line is shown on the next turn
    QCOMPARE(Texto(ventana.get(), "sOriginal"), enCaja);
    QCOMPARE(caja->LineasPartidas(), enCaja.size() > qsizetype(LineasLargas::Limite));

    if (via != QLatin1String("cmdPegayCopia")) {
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));
        Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    }
    QCOMPARE(Portapapeles(), resultado);
}

void LineBreaksTest::textSetByTheProgramIsKeptExactly_data()
{
    QTest::addColumn<QString>("texto");

    QTest::newRow("a lone LF") << "a\nb";
    QTest::newRow("a lone CR") << "a\rb";
    QTest::newRow("LF CR and CR CR LF") << "\n\ra\r\r\nb";
    QTest::newRow("a NUL character and what follows it") << QString::fromUtf16(u"a\0b\r", 4);
    QTest::newRow("letters beyond the basic plane") << QString::fromUtf16(u"\u00e9\U0001F600\u2028x");
    QTest::newRow("lone surrogates, high and low") << QStringLiteral("a") + QChar(0xD800) + "b" + QChar(0xDC00) + "\r" + QChar(0xDBFF);
    QTest::newRow("a pair across two pieces of 65536 units")
        << QString(65535, QLatin1Char('a')) + QString::fromUtf16(u"\U0001F600\r\n");
}

void LineBreaksTest::textSetByTheProgramIsKeptExactly()
{
    QFETCH(QString, texto);

    for (const char *nombre : {"sOriginal", "sConvertido"}) {
        CuadroTexto *caja = Caja(ventana.get(), QLatin1String(nombre));
        QVERIFY(caja->setProperty("plainText", texto));
        QCOMPARE(Texto(ventana.get(), nombre), texto);
        // Read back by a decoder other than the box's own.
        if (texto.isValidUtf16())
            QCOMPARE(QString::fromUtf8(caja->Bytes()), texto);
    }
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
    QCOMPARE(Texto(ventana.get(), "sConvertido"), resultado);
}

void LineBreaksTest::resultBreaksShowAsLinesAndCopyExactly_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<QStringList>("lineas");       // as the result box shows them
    QTest::addColumn<QString>("portapapeles");     // after Copy, and what the box holds

    QTest::newRow("BR with CR LF after it shows two lines and copies CR LF")
        << QStringList{"mnuSaltos"} << "a\r\nb" << QStringList{"a<BR>", "b"} << "a<BR>" + CRLF + "b";
    QTest::newRow("BR with a lone CR after it shows two lines and copies the lone CR")
        << QStringList{"mnuSaltos", "mnuSoloCR"} << "a\r\nb\r\nc" << QStringList{"a<BR>", "b<BR>", "c"}
        << "a<BR>" + CR + "b<BR>" + CR + "c";
    QTest::newRow("HTML to text gives CR LF, shown as a new line")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos"} << "x<BR>y" << QStringList{"x", "y"} << "x" + CRLF + "y";
    QTest::newRow("HTML to text without LF gives a lone CR, shown as a new line")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "x<BR>y" << QStringList{"x", "y"}
        << "x" + CR + "y";
    QTest::newRow("a lone CR and a CR LF in one result are both new lines")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "a\r\nb<BR>c" << QStringList{"a", "b", "c"}
        << "a" + CRLF + "b" + CR + "c";
    QTest::newRow("a lone CR followed by CR LF gives an empty line between")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << "a<BR>\r\n\r\nb" << QStringList{"a", "", "b"}
        << "a" + CR + CRLF + "b";
    QTest::newRow("a lone LF set in the source reaches the result untouched")
        << QStringList{} << "a\nb" << QStringList{"a", "b"} << "a" + LF + "b";
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

    CuadroTexto *convertido = Caja(ventana.get(), QStringLiteral("sConvertido"));
    QStringList vistas;
    for (int linea = 0; linea < convertido->lines(); ++linea)
        vistas << convertido->text(linea).remove(CR).remove(LF);
    QCOMPARE(vistas, lineas);
    QCOMPARE(Texto(ventana.get(), "sConvertido"), portapapeles);

    Pulsa(Boton(ventana.get(), QStringLiteral("cmdCopiar")));
    QCOMPARE(Portapapeles(), portapapeles);
}

void LineBreaksTest::handEditedResultIsCopiedAsTheBoxHoldsIt_data()
{
    QTest::addColumn<QString>("tecleado");  // typed at the end of the result; "\n" is Return
    QTest::addColumn<bool>("reconvertir");  // converted again from the menu before copying
    QTest::addColumn<QString>("portapapeles");

    QTest::newRow("a CR-only result, edited, is copied with CR only") << "z" << false << "x" + CR + "yz";
    QTest::newRow("a typed Return adds CR LF and keeps the lone CR")
        << "\nz" << false << "x" + CR + "y" + CRLF + "z";
    QTest::newRow("a new conversion puts back the exact result") << "z" << true << "x" + CR + "y";
}

void LineBreaksTest::handEditedResultIsCopiedAsTheBoxHoldsIt()
{
    QFETCH(QString, tecleado);
    QFETCH(bool, reconvertir);
    QFETCH(QString, portapapeles);

    Marca({"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"});
    Caja(ventana.get(), QStringLiteral("sOriginal"))->setPlainText(QStringLiteral("x<BR>y"));
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdConvertir")));

    CuadroTexto *convertido = Caja(ventana.get(), QStringLiteral("sConvertido"));
    convertido->setFocus();
    AlFinal(convertido);
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

void LineBreaksTest::selectionCopiesTheExactText_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("desde");  // positions in what the box shows
    QTest::addColumn<int>("hasta");
    QTest::addColumn<int>("inicio");  // the characters expected
    QTest::addColumn<int>("largo");

    // Rows of 1,000 characters, 1,500 bytes, each but the last ending in a 4-byte mark.
    const QString larga = QString::fromUtf8("añ").repeated(6'000);
    QTest::newRow("across the first mark") << larga << 1497 << 1510 << 998 << 6;
    QTest::newRow("starting inside a mark") << larga << 1501 << 1510 << 1000 << 4;
    QTest::newRow("Select All") << larga << 0 << -1 << 0 << 12'000;
    QTest::newRow("a NUL character and what follows it") << QString::fromUtf16(u"a\0b\r\nc", 5) << 0 << 4 << 0 << 4;
}

void LineBreaksTest::selectionCopiesTheExactText()
{
    QFETCH(QString, texto);
    QFETCH(int, desde);
    QFETCH(int, hasta);
    QFETCH(int, inicio);
    QFETCH(int, largo);

    CuadroTexto *caja = Caja(ventana.get(), QStringLiteral("sConvertido"));
    caja->setPlainText(texto);
    caja->SendScintilla(QsciScintillaBase::SCI_SETSEL, desde, hasta);
    caja->SendScintilla(QsciScintillaBase::SCI_COPY);
    QCOMPARE(Portapapeles(), texto.mid(inicio, largo));
}

void LineBreaksTest::clipboardEqualsVelmoraConvertOutput_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("argumentos");  // velmora-convert's for the same options

    QTest::newRow("text to HTML with the default options") << QStringList{} << QStringList{"--options", "32"};
    QTest::newRow("text to HTML with breaks, reserved characters and blanks")
        << QStringList{"mnuSaltos", "mnuEntidadesHtml", "mnuEspacios"} << QStringList{"--options", "58"};
    QTest::newRow("text to HTML with breaks as CR alone and numeric references")
        << QStringList{"mnuUnicode", "mnuSaltos", "mnuSoloCR"} << QStringList{"--options", "39"};
    QTest::newRow("HTML to text with breaks and blanks")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuEspacios"} << QStringList{"--to-text", "--options", "50"};
    QTest::newRow("HTML to text with breaks as CR alone")
        << QStringList{"mnuHTMLaTexto", "mnuSaltos", "mnuSoloCR"} << QStringList{"--to-text", "--options", "38"};
}

void LineBreaksTest::clipboardEqualsVelmoraConvertOutput()
{
#ifndef VELMORA_CONVERT
    QSKIP("velmora-convert is not built");
#else
    QFETCH(QStringList, items);
    QFETCH(QStringList, argumentos);

    // Every kind of break, at the ends and side by side, among the characters
    // the conversion touches.
    const QString corpus = QString::fromUtf8("\nuno\r\ndos\nTrés\rcuatro\n\r cinco\u2028seis\u2029 &lt;é<BR>\n ñ  \r\n\r\n"
                                             "<br>&amp;lt;\r\r\n<BR>\r<BR>\n\rfin &nbsp;\"¿?\"\r");
    QProcess convertidor;
    convertidor.start(QStringLiteral(VELMORA_CONVERT), argumentos);
    QVERIFY(convertidor.waitForStarted());
    convertidor.write(corpus.toUtf8());
    convertidor.closeWriteChannel();
    QVERIFY(convertidor.waitForFinished());
    QCOMPARE(convertidor.exitCode(), 0);

    Marca(items);
    PonPortapapeles(corpus);
    Pulsa(Boton(ventana.get(), QStringLiteral("cmdPegayCopia")));
    QCOMPARE(Portapapeles().toUtf8(), convertidor.readAllStandardOutput());
#endif
}

QTEST_MAIN(LineBreaksTest)
#include "tst_line_breaks.moc"
