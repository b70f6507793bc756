// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's languages and its settings file.

#include "frmConversor.h"

#include "ArchivoVelmora.h"
#include "Catalogo.h"
#include "Configuracion.h"
#include "CuadroTexto.h"
#include "frmConversorComun.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include <algorithm>

using namespace Ventana;

namespace {

QString Q(std::u16string_view texto)
{
    return QString::fromUtf16(texto.data(), qsizetype(texto.size()));
}

// Labels were designed for a smaller font: they widen rather than cut their text.
void PoneTextoEtiqueta(QLabel *etiqueta, const QString &texto)
{
    etiqueta->setText(texto);
    etiqueta->resize(std::max(etiqueta->width(), etiqueta->sizeHint().width()), etiqueta->height());
}

// An image button says what it does only in its tooltip, so screen readers
// are given the same words.
void PoneAyuda(QWidget *boton, const QString &texto)
{
    boton->setToolTip(texto);
    boton->setAccessibleName(texto);
}

}  // namespace

// ---- Languages ---------------------------------------------------------------

void frmConversor::PoneIdioma(const QString &Idioma)
{
    const auto &idiomas = Catalogo::Idiomas;
    const auto idioma = std::find_if(idiomas.begin(), idiomas.end(), [&](const Catalogo::Idioma &i) {
        return Idioma == QString::fromUtf8(i.Nombre);
    });
    if (idioma == idiomas.end()) {
        Mensaje(QMessageBox::Critical, QStringLiteral("Idioma no contemplado"), QStringLiteral("Idioma no contemplado."));
        return;
    }
    const auto columna = std::size_t(idioma - idiomas.begin());
    TraduceQt(idioma->CodigoQt);
    sOriginal->PoneIdioma(columna);
    sConvertido->PoneIdioma(columna);
    for (const Catalogo::Fila &fila : Catalogo::Filas) {
        QObject *destino = findChild<QObject *>(QLatin1String(fila.Control));
        if (fila.Que == Catalogo::Destino::Tooltip) {
            PoneAyuda(qobject_cast<QWidget *>(destino), QString::fromUtf8(fila.Textos[columna]));
            continue;
        }
        const QString texto = fila.Que == Catalogo::Destino::TooltipDe
                                  ? findChild<QWidget *>(QLatin1String(fila.Boton))->toolTip()
                                  : QString::fromUtf8(fila.Textos[columna]);
        if (auto *menu = qobject_cast<QMenu *>(destino))
            menu->setTitle(texto);
        else if (auto *item = qobject_cast<QAction *>(destino))
            item->setText(texto);
        else if (auto *etiqueta = qobject_cast<QLabel *>(destino))
            PoneTextoEtiqueta(etiqueta, texto);
    }
}

// One translator serves every window. Deployed programs carry Qt's
// translations either per module (qtbase_) or merged (qt_).
void frmConversor::TraduceQt(const char *codigo)
{
    // Qt's own texts; the text boxes take theirs from the catalogue.
    static QTranslator *qt = new QTranslator(qApp);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QCoreApplication::removeTranslator(qt);
    if (!codigo)
        return;
    const QString idioma = QLatin1String(codigo);
    if (qt->load(QLatin1String("qtbase_") + idioma, carpeta) || qt->load(QLatin1String("qt_") + idioma, carpeta))
        QCoreApplication::installTranslator(qt);
}

QString frmConversor::IdiomaActual() const
{
    QString idioma;
    for (std::size_t i = 0; i < idiomas_.size(); ++i) {
        if (idiomas_[i]->isChecked())
            idioma = QString::fromUtf8(Catalogo::Idiomas[i].Nombre);
    }
    return idioma;
}

QString frmConversor::ModoActual() const
{
    QString modo;
    if (mnuTextoaHTML->isChecked())
        modo = Q(Configuracion::Modos[0]);
    if (mnuHTMLaTexto->isChecked())
        modo = Q(Configuracion::Modos[1]);
    return modo;
}

void frmConversor::ActualizaIdioma()
{
    PoneIdioma(IdiomaActual());
}

void frmConversor::EligeIdioma(QAction *idioma)
{
    for (QAction *item : idiomas_)
        item->setChecked(item == idioma);
    ActualizaIdioma();
}

// ---- Settings file -------------------------------------------------------------

void frmConversor::LeeConfiguracion()
{
    Configuracion::Lector lector(MarcasActuales(), [this](Configuracion::Aviso aviso) {
        Mensaje(QMessageBox::Warning, Titulo, Q(Configuracion::TextoAviso(aviso)));
    });
    Configuracion::LeeArchivo(Configuracion::RutaArchivo(), lector);
    PoneMarcas(lector.Termina());
}

Configuracion::Marcas frmConversor::MarcasActuales() const
{
    Configuracion::Marcas marcas;
    for (std::size_t i = 0; i < idiomas_.size(); ++i)
        marcas.Idiomas[i] = idiomas_[i]->isChecked();
    marcas.Modos = {mnuTextoaHTML->isChecked(), mnuHTMLaTexto->isChecked()};
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        marcas.Opciones[i] = opciones_[i]->isChecked();
    return marcas;
}

void frmConversor::PoneMarcas(const Configuracion::Marcas &marcas)
{
    for (std::size_t i = 0; i < idiomas_.size(); ++i)
        idiomas_[i]->setChecked(marcas.Idiomas[i]);
    mnuTextoaHTML->setChecked(marcas.Modos[0]);
    mnuHTMLaTexto->setChecked(marcas.Modos[1]);
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        opciones_[i]->setChecked(marcas.Opciones[i]);
    if (marcas.Ancho || marcas.Alto) {
        const QSizeF actual = TamanoExterior();
        PoneTamanoExterior({marcas.Ancho.value_or(actual.width()), marcas.Alto.value_or(actual.height())});
    }
}

// Written whole at every close. Settings that cannot be saved are said so,
// once, with the file's name.
void frmConversor::GuardaConfiguracion()
{
    Configuracion::Guardado guardado{std::u16string(Vista(IdiomaActual())), std::u16string(Vista(ModoActual())), {}, 0, 0};
    for (std::size_t i = 0; i < opciones_.size(); ++i)
        guardado.Opciones[i] = opciones_[i]->isChecked();
    const QSizeF tamano = TamanoExterior();
    guardado.Ancho = tamano.width();
    guardado.Alto = tamano.height();
    const QString ruta = Configuracion::RutaArchivo();
    if (!Configuracion::GuardaArchivo(ruta, Configuracion::Escribe(guardado)))
        Mensaje(QMessageBox::Warning, Titulo,
                TextoMensaje(Catalogo::Mensaje::ConfiguracionNoGuardada).arg(QDir::toNativeSeparators(ruta)));
}

// The program's own messages, in the language whose item is marked (the last
// one, as IdiomaActual takes it), Castellano when none is.
QString frmConversor::TextoMensaje(Catalogo::Mensaje mensaje) const
{
    std::size_t columna = 0;
    for (std::size_t i = 0; i < idiomas_.size(); ++i) {
        if (idiomas_[i]->isChecked())
            columna = i;
    }
    return QString::fromUtf8(Catalogo::Mensajes[std::size_t(mensaje)].Textos[columna]);
}
