// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: two text boxes, six image buttons, a three-colour light
// and the menus. The menu check marks are the only place where the direction,
// the options and the language are kept while the program runs.

#include "ArchivoConfiguracion.h"

#include <QMainWindow>
#include <QMessageBox>

#include <array>

class CuadroTexto;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

class frmConversor : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmConversor(QWidget *parent = nullptr);

    // Opens a URL in the default browser without waiting and without
    // reporting failure. Static: the About box uses it after this window has gone.
    static void HyperJump(const QString &URL);

    void PoneEstado(const QString &Estado);
    void PoneIdioma(const QString &Idioma);
    QString IdiomaActual() const;
    QString ModoActual() const;

    // The outer size in twips, the unit of the settings file.
    QSizeF TamanoExterior() const;
    void PoneTamanoExterior(QSizeF twips);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreaControles();
    void CreaMenus();
    void Conecta();
    void Form_Load();
    void Form_Resize();
    int AltoMenu(int ancho) const;
    QSize TamanoPantalla() const;
    void Form_Unload();

    void semaforo(const QString &Color);
    void ActivaBoton(QPushButton *boton, bool activo, QWidget *caja);
    void ActivaOpciones(bool aHTML);
    void ActualizaIdioma();
    static void TraduceQt(const char *codigo);
    void LeeConfiguracion();
    void GuardaConfiguracion();
    QString TextoMensaje(Catalogo::Mensaje mensaje) const;
    Configuracion::Marcas MarcasActuales() const;
    void PoneMarcas(const Configuracion::Marcas &marcas);
    void Mensaje(QMessageBox::Icon icono, const QString &titulo, const QString &texto);

    void cmdConvertir_Click();
    void cmdBorrar_Click();
    void cmdPegar_Click();
    bool Pega();
    void cmdCopiar_Click();
    void cmdPegayCopia_Click();
    void cmdCerrar_Click();
    void mnuTextoaHTML_Click();
    void mnuHTMLaTexto_Click();
    void CambiaOpcion(QAction *opcion);
    void EligeIdioma(QAction *idioma);
    void mnuWeb_Click();
    void mnuAcerca_Click();
    void sOriginal_Change();

    CuadroTexto *sOriginal;
    CuadroTexto *sConvertido;
    QLabel *lblOriginal;
    QLabel *lblConvertido;
    QPushButton *cmdConvertir;
    QPushButton *cmdCerrar;
    QPushButton *cmdBorrar;
    QPushButton *cmdPegar;
    QPushButton *cmdPegayCopia;
    QPushButton *cmdCopiar;
    QLabel *picSemaforo;
    QLabel *picSemaforoRojo;
    QLabel *picSemaforoAmarillo;
    QLabel *picSemaforoVerde;
    QFrame *Line1[2];

    QAction *mnuCerrar;
    QAction *mnuTextoaHTML;
    QAction *mnuHTMLaTexto;
    QAction *mnuPegar;
    QAction *mnuConvertir;
    QAction *mnuCopiarResultado;
    QAction *mnuConvertirPortapapeles;
    QAction *mnuWeb;
    QAction *mnuAcerca;
    // The option items in the order of Opciones::Tabla, the language items in
    // the order of Catalogo::Idiomas.
    std::array<QAction *, Opciones::Tabla.size()> opciones_;
    std::array<QAction *, Catalogo::Idiomas.size()> idiomas_;

    // The window's size as last set from twips, before the window system rounds it.
    QSize pedido_;
};
