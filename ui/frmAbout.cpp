// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "Dibujo.h"
#include "Linea.h"
#include "Twips.h"
#include "Version.h"
#include "frmConversor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

QLabel *Etiqueta(QWidget *padre, const char *nombre, QRect lugar, double puntos = 0, bool negrita = false)
{
    auto *etiqueta = new QLabel(padre);
    etiqueta->setObjectName(QLatin1String(nombre));
    etiqueta->setGeometry(lugar);
    QFont letra = etiqueta->font();
    if (puntos > 0)
        letra.setPointSizeF(puntos);
    letra.setBold(negrita);
    etiqueta->setFont(letra);
    return etiqueta;
}

// The licence text shipped with the program; run from its build folder, where
// none is, the published one.
QString Licencia()
{
    const QString ruta = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" VELMORA_LICENCIA));
    if (QFileInfo(ruta).isFile())
        return QString::fromLatin1(QUrl::fromLocalFile(ruta).toEncoded());
    return QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");
}

}  // namespace

void frmAbout::Muestra()
{
    static QPointer<frmAbout> abierto;
    if (!abierto) {
        abierto = new frmAbout;
        abierto->show();
    }
    abierto->raise();
    abierto->activateWindow();
}

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Its size is fixed: a title and a close box, no minimise, maximise or help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Twips::APixeles(5820), Twips::APixeles(2595));

    // The picture keeps its own 100 x 80 size, so none of it is cut off.
    Picture1 = Etiqueta(this, "Picture1", Twips::Rectangulo(120, 120, 1500, 1200));
    Picture1->setPixmap(Dibujo(QStringLiteral(":/acerca.gif")));
    Picture1->setBackgroundRole(QPalette::Window);
    Picture1->setCursor(Qt::PointingHandCursor);
    picIcon = Etiqueta(this, "picIcon", Twips::Rectangulo(1800, 240, 450, 435));
    picIcon->setPixmap(Dibujo(QStringLiteral(":/convertir.gif")));

    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::Rectangulo(4200, 2040, 1500, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    lblURL = Etiqueta(this, "lblURL", Twips::Rectangulo(2520, 1440, 2775, 255));
    QPalette azul = lblURL->palette();
    azul.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblURL->setPalette(azul);
    QFont subrayada = lblURL->font();
    subrayada.setUnderline(true);
    lblURL->setFont(subrayada);
    lblURL->setCursor(Qt::PointingHandCursor);

    Line1[1] = Linea(this, "Line1_1", QColor(128, 128, 128), Twips::Rectangulo(120, 1800, 5684 - 120, 15));
    lblDescription = Etiqueta(this, "lblDescription", Twips::Rectangulo(2520, 1125, 2775, 210));
    lblDescription->setText(QStringLiteral("Conversor Texto <-> HTML"));
    lblTitle = Etiqueta(this, "lblTitle", Twips::Rectangulo(2400, 240, 2775, 315), 13.5, true);
    Line1[0] = Linea(this, "Line1_0", Qt::white, Twips::Rectangulo(120, 1815, 5669 - 120, 30));
    lblVersion = Etiqueta(this, "lblVersion", Twips::Rectangulo(2520, 840, 2205, 225), 9.75);
    lblDisclaimer = Etiqueta(this, "lblDisclaimer", Twips::Rectangulo(240, 2040, 3870, 465));
    lblDisclaimer->setTextFormat(Qt::RichText);
    lblDisclaimer->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(lblDisclaimer, &QLabel::linkActivated, this, [](const QString &url) { frmConversor::HyperJump(url); });

    setTabOrder(cmdOK, picIcon);
    lblURL->installEventFilter(this);
    Picture1->installEventFilter(this);
    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("Acerca de " VELMORA_TITULO));
    lblVersion->setText(QStringLiteral("Versión %1.%2.%3")
                            .arg(VELMORA_VERSION_MAYOR)
                            .arg(VELMORA_VERSION_MENOR)
                            .arg(VELMORA_VERSION_REVISION));
    lblTitle->setText(QStringLiteral(VELMORA_TITULO));
    lblDisclaimer->setText(QStringLiteral("© 2026 Los autores de Velmora.<br>Libre y sin garantía: "
                                          "<a href=\"%1\">GPL-3.0-or-later</a>.")
                               .arg(Licencia().toHtmlEscaped()));
    lblURL->setText(QStringLiteral(VELMORA_WEB "/velmora/").mid(7));
}

bool frmAbout::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        if (objeto == lblURL)
            lblURL_Click();
        else if (objeto == Picture1)
            Picture1_Click();
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmAbout::lblURL_Click()
{
    frmConversor::HyperJump(QStringLiteral(VELMORA_WEB "/velmora/"));
}

void frmAbout::Picture1_Click()
{
    frmConversor::HyperJump(QStringLiteral(VELMORA_WEB "/"));
}
