// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the main window at its design size, at its minimum, grown,
// very large and after minimising. Sizes are in twips, 15 to the pixel; the
// outer size is the client size plus 120 x 675 twips.

#include "Ayudas.h"
#include "Twips.h"

using namespace Ayudas;

namespace {

constexpr QSizeF Diseno{5865, 4020};
constexpr QSizeF Minimo{4740, 3780};

int Px(double twips)
{
    return qRound(twips / 15.0);
}

QRect Lugar(const frmConversor *ventana, const QString &control)
{
    return Control<QWidget>(ventana, control)->geometry();
}

int Abajo(const QRect &r) { return r.y() + r.height(); }
int Derecha(const QRect &r) { return r.x() + r.width(); }

const QStringList Controles{"sOriginal",   "sConvertido",   "lblOriginal", "lblConvertido", "cmdConvertir",
                            "picSemaforo", "cmdPegar",      "cmdBorrar",   "cmdPegayCopia", "cmdCopiar",
                            "cmdCerrar",   "Line1_0",       "Line1_1"};

QMap<QString, QRect> Lugares(const frmConversor *ventana)
{
    QMap<QString, QRect> lugares;
    for (const QString &control : Controles)
        lugares.insert(control, Lugar(ventana, control));
    return lugares;
}

// Sets the outer size and lets the window system's answer arrive.
void Redimensiona(frmConversor *ventana, QSizeF twips)
{
    ventana->PoneTamanoExterior(twips);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CallaPlataforma(); }
    void init();
    void cleanup();

    void designSizePutsEveryControlAtItsDesignPlace_data();
    void designSizePutsEveryControlAtItsDesignPlace();
    void growingMovesTheControlsThatFollowTheSize_data();
    void growingMovesTheControlsThatFollowTheSize();
    void minimumSizeLeavesBoxesOf3690By975();
    void tooSmallRequestedSizeSnapsToTheMinimum_data();
    void tooSmallRequestedSizeSnapsToTheMinimum();
    void draggingBelowTheMinimumSnapsBack_data();
    void draggingBelowTheMinimumSnapsBack();
    void layoutRelationsHoldAtEverySize_data();
    void layoutRelationsHoldAtEverySize();
    void minimiseAndRestoreKeepTheLayout();

private:
    std::unique_ptr<frmConversor> ventana;
    Entorno entorno;
};

void LayoutTest::init()
{
    entorno.Empieza();
    ventana = std::make_unique<frmConversor>();
    Muestra(ventana.get());
}

void LayoutTest::cleanup()
{
    ventana.reset();
    QCOMPARE(entorno.Termina(), QStringList());
}

void LayoutTest::designSizePutsEveryControlAtItsDesignPlace_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");  // a width or height of -1 is not checked

    QTest::newRow("the source box stands at its design place") << "sOriginal" << QRect(120, 360, 4815, 1095);
    QTest::newRow("the result box stands at its design place") << "sConvertido" << QRect(120, 2160, 4815, 1095);
    QTest::newRow("the source label stands at its design place") << "lblOriginal" << QRect(120, 120, -1, 255);
    QTest::newRow("the result label stands at its design place") << "lblConvertido" << QRect(120, 1920, -1, 255);
    QTest::newRow("Convert stands between the boxes") << "cmdConvertir" << QRect(3840, 1560, 615, 495);
    QTest::newRow("the light stands at 1500, above the Convert button's top") << "picSemaforo" << QRect(4680, 1500, 270, 600);
    QTest::newRow("Paste heads the button column") << "cmdPegar" << QRect(5040, 360, 615, 495);
    QTest::newRow("Clear comes second in the column") << "cmdBorrar" << QRect(5040, 960, 615, 495);
    QTest::newRow("Paste-convert-copy comes third in the column") << "cmdPegayCopia" << QRect(5040, 1560, 615, 495);
    QTest::newRow("Copy comes fourth in the column") << "cmdCopiar" << QRect(5040, 2160, 615, 495);
    QTest::newRow("Close ends the column") << "cmdCerrar" << QRect(5040, 2760, 615, 495);
    QTest::newRow("the grey line runs the outer width at the top") << "Line1_1" << QRect(0, 0, 5865, 15);
    QTest::newRow("the white line runs the outer width just below") << "Line1_0" << QRect(0, 10, 5865, 30);
}

void LayoutTest::designSizePutsEveryControlAtItsDesignPlace()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);

    QCOMPARE(ventana->TamanoExterior(), Diseno);
    QCOMPARE(ventana->centralWidget()->size(), QSize(Px(5745), Px(3345)));
    const QRect lugar = Lugar(ventana.get(), control);
    QCOMPARE(lugar.topLeft(), QPoint(Px(twips.x()), Px(twips.y())));
    if (twips.width() >= 0)
        QCOMPARE(lugar.width(), Px(twips.width()));
    if (twips.height() >= 0)
        QCOMPARE(lugar.height(), Px(twips.height()));
}

void LayoutTest::growingMovesTheControlsThatFollowTheSize_data()
{
    QTest::addColumn<QSizeF>("crecimiento");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("cambio");  // of left, top, width and height, in twips

    const auto fila = [](const char *nombre, QSizeF crecimiento, const char *control, QRect cambio) {
        QTest::newRow(nombre) << crecimiento << QString::fromLatin1(control) << cambio;
    };
    const QSizeF alto{0, 600};
    fila("600 taller: Clear moves down 300", alto, "cmdBorrar", {0, 300, 0, 0});
    fila("600 taller: Paste-convert-copy moves down 300", alto, "cmdPegayCopia", {0, 300, 0, 0});
    fila("600 taller: Copy moves down 300", alto, "cmdCopiar", {0, 300, 0, 0});
    fila("600 taller: Convert moves down 300", alto, "cmdConvertir", {0, 300, 0, 0});
    fila("600 taller: the light moves down 300", alto, "picSemaforo", {0, 300, 0, 0});
    fila("600 taller: the result label moves down 300", alto, "lblConvertido", {0, 300, 0, 0});
    fila("600 taller: the result box moves down 300 and is 300 taller", alto, "sConvertido", {0, 300, 0, 300});
    fila("600 taller: the source box stays and is 300 taller", alto, "sOriginal", {0, 0, 0, 300});
    fila("600 taller: Close moves down the whole 600", alto, "cmdCerrar", {0, 600, 0, 0});
    fila("600 taller: Paste stays", alto, "cmdPegar", {0, 0, 0, 0});
    fila("600 taller: the source label stays", alto, "lblOriginal", {0, 0, 0, 0});

    const QSizeF ancho{900, 0};
    fila("900 wider: both boxes are 900 wider", ancho, "sOriginal", {0, 0, 900, 0});
    fila("900 wider: the result box is 900 wider", ancho, "sConvertido", {0, 0, 900, 0});
    fila("900 wider: Convert moves right 900", ancho, "cmdConvertir", {900, 0, 0, 0});
    fila("900 wider: the light moves right 900", ancho, "picSemaforo", {900, 0, 0, 0});
    fila("900 wider: Paste moves right 900", ancho, "cmdPegar", {900, 0, 0, 0});
    fila("900 wider: Close moves right 900", ancho, "cmdCerrar", {900, 0, 0, 0});
    fila("900 wider: the labels stay", ancho, "lblConvertido", {0, 0, 0, 0});
    fila("900 wider: the grey line is 900 longer", ancho, "Line1_1", {0, 0, 900, 0});
    fila("900 wider: the white line is 900 longer", ancho, "Line1_0", {0, 0, 900, 0});
}

void LayoutTest::growingMovesTheControlsThatFollowTheSize()
{
    QFETCH(QSizeF, crecimiento);
    QFETCH(QString, control);
    QFETCH(QRect, cambio);

    const QRect antes = Lugar(ventana.get(), control);
    Redimensiona(ventana.get(), Diseno + crecimiento);
    QCOMPARE(ventana->TamanoExterior(), Diseno + crecimiento);

    const QRect despues = Lugar(ventana.get(), control);
    QCOMPARE(despues.x() - antes.x(), Px(cambio.x()));
    QCOMPARE(despues.y() - antes.y(), Px(cambio.y()));
    QCOMPARE(despues.width() - antes.width(), Px(cambio.width()));
    QCOMPARE(despues.height() - antes.height(), Px(cambio.height()));
}

void LayoutTest::minimumSizeLeavesBoxesOf3690By975()
{
    Redimensiona(ventana.get(), Minimo);
    QCOMPARE(ventana->TamanoExterior(), Minimo);
    QCOMPARE(Lugar(ventana.get(), "sOriginal").size(), QSize(Px(3690), Px(975)));
    QCOMPARE(Lugar(ventana.get(), "sConvertido").size(), QSize(Px(3690), Px(975)));
}

void LayoutTest::tooSmallRequestedSizeSnapsToTheMinimum_data()
{
    QTest::addColumn<QSizeF>("pedido");
    QTest::addColumn<QSizeF>("resultado");

    QTest::newRow("both too small give the minimum") << QSizeF(4000, 3000) << Minimo;
    QTest::newRow("too narrow keeps the height asked for") << QSizeF(4000, 5010) << QSizeF(4740, 5010);
    QTest::newRow("too low keeps the width asked for") << QSizeF(7005, 100) << QSizeF(7005, 3780);
    QTest::newRow("zero gives the minimum") << QSizeF(0, 0) << Minimo;
    QTest::newRow("negative sizes give the minimum") << QSizeF(-9000, -1) << Minimo;
}

void LayoutTest::tooSmallRequestedSizeSnapsToTheMinimum()
{
    QFETCH(QSizeF, pedido);
    QFETCH(QSizeF, resultado);

    Redimensiona(ventana.get(), pedido);
    QCOMPARE(ventana->TamanoExterior(), resultado);
}

void LayoutTest::draggingBelowTheMinimumSnapsBack_data()
{
    QTest::addColumn<bool>("estrecha");
    QTest::addColumn<bool>("baja");
    QTest::addColumn<QSizeF>("resultado");

    QTest::newRow("dragged too narrow snaps back in width only") << true << false << QSizeF(4740, 4020);
    QTest::newRow("dragged too low snaps back in height only") << false << true << QSizeF(5865, 3780);
    QTest::newRow("dragged too small in both snaps to the minimum") << true << true << Minimo;
}

void LayoutTest::draggingBelowTheMinimumSnapsBack()
{
    QFETCH(bool, estrecha);
    QFETCH(bool, baja);
    QFETCH(QSizeF, resultado);

    // As the window system asks when the user drags the frame.
    const QSize antes = ventana->size();
    ventana->resize(estrecha ? 50 : antes.width(), baja ? 50 : antes.height());
    QTest::qWait(0);
    QTRY_COMPARE(ventana->TamanoExterior(), resultado);
    QCOMPARE(Lugar(ventana.get(), "sOriginal").width(), Px(resultado.width() - 1050));
}

void LayoutTest::layoutRelationsHoldAtEverySize_data()
{
    QTest::addColumn<QSizeF>("tamano");

    QTest::newRow("at the design size") << Diseno;
    QTest::newRow("at the minimum") << Minimo;
    QTest::newRow("one pixel larger each way") << Diseno + QSizeF(15, 15);
    QTest::newRow("three pixels taller") << Diseno + QSizeF(0, 45);
    QTest::newRow("larger") << QSizeF(9000, 6000);
    QTest::newRow("very large, beyond 16-bit twips") << QSizeF(40000, 40000);
}

void LayoutTest::layoutRelationsHoldAtEverySize()
{
    QFETCH(QSizeF, tamano);

    Redimensiona(ventana.get(), tamano);
    // A size set stops at the screen's edge; the user can still drag the window larger.
    const QSize falta = Twips::Cliente(tamano) - Twips::Cliente(ventana->TamanoExterior());
    if (!falta.isNull()) {
        ventana->resize(ventana->size() + falta);
        QCoreApplication::processEvents();
    }
    const QSizeF exterior = ventana->TamanoExterior();
    QVERIFY2(qAbs(exterior.width() - tamano.width()) < 15 && qAbs(exterior.height() - tamano.height()) < 15,
             qPrintable(QStringLiteral("%1 x %2").arg(exterior.width()).arg(exterior.height())));

    const auto lugares = Lugares(ventana.get());
    const QRect original = lugares["sOriginal"];
    const QRect convertido = lugares["sConvertido"];
    const QRect cerrar = lugares["cmdCerrar"];

    QCOMPARE(Abajo(convertido), Abajo(cerrar));
    QCOMPARE(Derecha(original), Derecha(convertido));
    QCOMPARE(lugares["cmdPegar"].x() - Derecha(original), Px(105));
    QCOMPARE(lugares["cmdPegar"].y(), original.y());
    for (const char *boton : {"cmdBorrar", "cmdPegayCopia", "cmdCopiar", "cmdCerrar"})
        QCOMPARE(lugares[boton].x(), lugares["cmdPegar"].x());
    // Convert and the light stand in the gap between the boxes, side by side.
    QVERIFY(Abajo(original) <= lugares["cmdConvertir"].y());
    QVERIFY(Abajo(lugares["cmdConvertir"]) <= convertido.y());
    QVERIFY(Derecha(lugares["cmdConvertir"]) <= lugares["picSemaforo"].x());
    QVERIFY(Derecha(lugares["picSemaforo"]) <= lugares["cmdPegayCopia"].x());
    // The two boxes share the height; when half the growth is half a pixel,
    // one of them takes it so that the bottom edges above still meet.
    QVERIFY(qAbs(original.height() - convertido.height()) <= 1);

    for (const char *linea : {"Line1_0", "Line1_1"})
        QCOMPARE(lugares[linea].width(), Px(exterior.width()));
    const QRect cliente = ventana->centralWidget()->rect();
    for (const QString &control : Controles) {
        if (!control.startsWith(QLatin1String("Line1")))
            QVERIFY2(cliente.contains(lugares[control]), qPrintable(control));
    }
}

void LayoutTest::minimiseAndRestoreKeepTheLayout()
{
    Redimensiona(ventana.get(), QSizeF(7005, 5010));
    const auto antes = Lugares(ventana.get());
    const QSizeF exterior = ventana->TamanoExterior();

    ventana->showMinimized();
    QTest::qWait(50);
    if (!ventana->isMinimized())
        QSKIP("The platform plugin does not minimise windows");
    ventana->showNormal();
    QTRY_VERIFY(!ventana->isMinimized());
    QTest::qWait(50);

    QCOMPARE(ventana->TamanoExterior(), exterior);
    QCOMPARE(Lugares(ventana.get()), antes);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
