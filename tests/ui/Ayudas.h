// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests share: the settings file where the program keeps it,
// message boxes closed as soon as they show, controls found by object name,
// and the processing state read back from what the window shows.

#include "ArchivoVelmora.h"
#include "CuadroTexto.h"
#include "frmConversor.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

namespace Ayudas {

// ---- Settings file -------------------------------------------------------------

inline QString RutaConfiguracion()
{
    return Configuracion::RutaArchivo();
}

inline void BorraConfiguracion()
{
    const QString ruta = RutaConfiguracion();
    if (QFileInfo(ruta).isDir())
        QDir(ruta).removeRecursively();
    else
        QFile::remove(ruta);
}

inline bool EscribeConfiguracion(const QByteArray &bytes)
{
    BorraConfiguracion();
    QFile archivo(RutaConfiguracion());
    return QDir().mkpath(QFileInfo(archivo).path()) && archivo.open(QIODevice::WriteOnly) &&
           archivo.write(bytes) == bytes.size();
}

inline QByteArray LeeConfiguracionEscrita()
{
    QFile archivo(RutaConfiguracion());
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// ---- Message boxes -------------------------------------------------------------

struct Aviso {
    QString Texto;
    QString Titulo;
    QMessageBox::Icon Icono;
    bool VentanaVisible;  // whether a main window was on screen at the time
    QString Boton;        // the OK button's text
    QRect Lugar;          // where it showed, frame included
};

// While it lives, every modal message box is recorded and closed with OK as
// soon as it shows, so no test can hang on one. When several live at once,
// the one made last takes the boxes.
class CierraAvisos
{
public:
    CierraAvisos()
    {
        Vivos().append(this);
        reloj.setInterval(5);
        QObject::connect(&reloj, &QTimer::timeout, [this] { Revisa(); });
        reloj.start();
    }
    ~CierraAvisos() { Vivos().removeOne(this); }
    CierraAvisos(const CierraAvisos &) = delete;
    CierraAvisos &operator=(const CierraAvisos &) = delete;

    QList<Aviso> Avisos;

    QStringList Textos() const
    {
        QStringList textos;
        for (const Aviso &aviso : Avisos)
            textos << aviso.Texto;
        return textos;
    }

private:
    static QList<CierraAvisos *> &Vivos()
    {
        static QList<CierraAvisos *> vivos;
        return vivos;
    }

    void Revisa()
    {
        if (Vivos().last() != this)
            return;
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caja || !caja->isVisible())
            return;
        bool visible = false;
        for (QWidget *ventana : QApplication::topLevelWidgets())
            visible = visible || (qobject_cast<frmConversor *>(ventana) && ventana->isVisible());
        QAbstractButton *ok = caja->button(QMessageBox::Ok);
        Avisos.append({caja->text(), caja->windowTitle(), caja->icon(), visible, ok ? ok->text() : QString(),
                       caja->frameGeometry()});
        if (ok)
            ok->click();
        else
            caja->reject();
    }

    QTimer reloj;
};

// Around every test: no settings file before or after it, and no message box
// that the test did not ask for (it is closed, and reported at the end).
class Entorno
{
public:
    void Empieza()
    {
        BorraConfiguracion();
        guardia.emplace();
    }

    QStringList Termina()
    {
        const QStringList imprevistos = guardia ? guardia->Textos() : QStringList();
        guardia.reset();
        BorraConfiguracion();
        return imprevistos;
    }

private:
    std::optional<CierraAvisos> guardia;
};

// The offscreen platform warns about every window operation it lacks (raise,
// size hints); only those warnings are dropped.
inline void CallaPlataforma()
{
    static QtMessageHandler anterior = nullptr;
    anterior = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
        if (tipo == QtWarningMsg && texto.startsWith(QLatin1String("This plugin does not support")))
            return;
        anterior(tipo, contexto, texto);
    });
}

// ---- Controls --------------------------------------------------------------------

template <class T>
T *Control(const QObject *ventana, const QString &nombre)
{
    T *control = ventana->findChild<T *>(nombre);
    if (!control)
        qFatal("No control named %s of the expected kind", qPrintable(nombre));
    return control;
}

inline QAction *Item(const QObject *ventana, const QString &nombre) { return Control<QAction>(ventana, nombre); }
inline QPushButton *Boton(const QObject *ventana, const QString &nombre) { return Control<QPushButton>(ventana, nombre); }
inline CuadroTexto *Caja(const QObject *ventana, const QString &nombre)
{
    return Control<CuadroTexto>(ventana, nombre);
}

// Puts the cursor after the last character, as Ctrl+End does.
inline void AlFinal(CuadroTexto *caja)
{
    caja->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
}

inline QImage Imagen(const QPixmap &dibujo)
{
    return dibujo.toImage().convertToFormat(QImage::Format_ARGB32);
}

inline QImage ImagenDe(const QObject *ventana, const char *etiqueta)
{
    return Imagen(Control<QLabel>(ventana, QLatin1String(etiqueta))->pixmap());
}

inline QString Texto(const QObject *ventana, const char *caja)
{
    return Caja(ventana, QLatin1String(caja))->property("plainText").toString();
}

// The option, direction and language items, in menu order.
inline const QStringList ItemsMarcables{
    QStringLiteral("mnuTextoaHTML"), QStringLiteral("mnuHTMLaTexto"),   QStringLiteral("mnuUnicode"),
    QStringLiteral("mnuEntidadesHtml"), QStringLiteral("mnuSaltos"),    QStringLiteral("mnuSoloCR"),
    QStringLiteral("mnuEspacios"),   QStringLiteral("mnuCRtrasBR"),     QStringLiteral("mnuCastellano"),
    QStringLiteral("mnuCatalán"),    QStringLiteral("MnuGallego"),      QStringLiteral("mnuEnglish"),
};

// The names of the ticked items, in menu order.
inline QStringList Marcados(const QObject *ventana)
{
    QStringList marcados;
    for (const QString &nombre : ItemsMarcables) {
        if (Item(ventana, nombre)->isChecked())
            marcados << nombre;
    }
    return marcados;
}

// The processing state that the light and the five buttons show together,
// or a description of what they show when it fits no state.
inline QString EstadoVisible(const QObject *ventana)
{
    const QImage luz = ImagenDe(ventana, "picSemaforo");
    const auto activo = [&](const char *boton) { return Boton(ventana, QLatin1String(boton))->isEnabled() ? '1' : '0'; };
    const QByteArray botones = QByteArray() + activo("cmdCopiar") + activo("cmdPegar") + activo("cmdBorrar") +
                               activo("cmdPegayCopia") + activo("cmdConvertir");
    if (!Boton(ventana, QStringLiteral("cmdCerrar"))->isEnabled())
        return QStringLiteral("Close disabled");
    if (luz == ImagenDe(ventana, "picSemaforoRojo") && botones == "01111")
        return QStringLiteral("Pendiente procesar");
    if (luz == ImagenDe(ventana, "picSemaforoAmarillo") && botones == "00000")
        return QStringLiteral("Procesando");
    if (luz == ImagenDe(ventana, "picSemaforoVerde") && botones == "11110")
        return QStringLiteral("Procesado");
    QString color = QStringLiteral("no light");
    if (luz == ImagenDe(ventana, "picSemaforoRojo"))
        color = QStringLiteral("red");
    else if (luz == ImagenDe(ventana, "picSemaforoAmarillo"))
        color = QStringLiteral("yellow");
    else if (luz == ImagenDe(ventana, "picSemaforoVerde"))
        color = QStringLiteral("green");
    return color + QStringLiteral(" light, buttons ") + QString::fromLatin1(botones);
}

inline void Muestra(QWidget *ventana)
{
    ventana->show();
    ventana->activateWindow();
    if (!QTest::qWaitForWindowExposed(ventana))
        qWarning("The window was not exposed");
}

inline void PonPortapapeles(const QString &texto)
{
    QGuiApplication::clipboard()->setText(texto);
}

inline QString Portapapeles()
{
    return QGuiApplication::clipboard()->text();
}

// A click as the user makes it, on the middle of a visible control.
inline void Pulsa(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

}  // namespace Ayudas
