// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plain multi-line text box that holds its text exactly, every CR, LF and
// CR LF as given, and fills and reads texts of hundreds of megabytes quickly.
//
// Text given through setPlainText() or PoneTexto() is kept unchanged. Text
// entering from outside (paste, drop, a typed Return) has its LF, CR and
// CR LF line breaks turned into CR LF as it enters, as on Windows, where text
// boxes and the clipboard use CR LF. U+2028 and U+2029 are ordinary characters.
//
// A text with a line of more than LineasLargas::Limite characters is shown
// with its long lines broken into rows, each break marked with "↵", and the
// box is read-only until its whole text is replaced; a hint says so. A paste
// or drop that would make such a line gives the whole text again in that
// form, on the next turn of the event loop. Reading
// the text, copying or dragging a selection give the exact characters, never
// the marks.
//
// Example: after a paste of "a\nb" the box holds "a\r\nb"; after
// setPlainText("a\rb") it holds "a\rb".

#include "LineasLargas.h"

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>

class QLabel;
class QMenu;

class CuadroTexto : public QsciScintilla
{
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)

public:
    explicit CuadroTexto(QWidget *parent = nullptr);

    QString toPlainText() const;
    void setPlainText(const QString &texto);
    // The same for a string that is not a QString, without making one.
    void PoneTexto(std::u16string_view texto);
    // The same for UTF-8, lone surrogates in three bytes allowed.
    void PoneBytes(std::string_view utf8);
    // Text from outside the program: its line breaks become CR LF.
    void PoneTextoDeFuera(const QString &texto);

    // The exact text as UTF-8, read in place: valid until the box changes.
    std::string_view Bytes() const;
    // The whole text replaced by UTF-8 handed in pieces, as one change that
    // cannot be undone: EmpiezaTexto, AnadeTexto for each piece (with the
    // whole text's expected size in bytes, to allocate once), TerminaTexto,
    // which emits textChanged(). Pieces never split a character.
    void EmpiezaTexto();
    void AnadeTexto(std::string_view utf8, std::size_t esperado);
    void TerminaTexto();

    // Whether long lines are shown broken (and the box is read-only).
    bool LineasPartidas() const { return !vista_.Vacia(); }

    // The interface language of the context menu and the hint, as a column of
    // the catalogue.
    void PoneIdioma(std::size_t columna);
    // The boxes' context menu, in that language; the caller owns it.
    QMenu *createStandardContextMenu();

    // Puts UTF-8 text (lone surrogates in three bytes allowed) on clipboard
    // or drag data, exactly.
    static void PoneEnDatos(QMimeData *datos, std::string_view utf8);

    // UTF-8 bytes with every LF, CR and CR LF as CR LF; handed back unchanged
    // when they need nothing.
    static QByteArray ConCRLF(QByteArray bytes);

protected:
    QByteArray fromMimeData(const QMimeData *source, bool &rectangular) const override;
    QMimeData *toMimeData(const QByteArray &text, bool rectangular) const override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Modificado(int posicion, int tipo, const char *, int largo);
    bool HaceLineaLarga(std::size_t posicion, std::string_view insertado) const;
    void PoneUnidades(std::u16string_view texto, bool deFuera);
    bool PasaLimite(std::string_view utf8);
    void Agranda(std::size_t necesario, std::size_t esperado);
    void MuestraPartido();
    void CopiaEntreCajas(QDropEvent *event) const;
    void ColocaAviso();
    void AplicaColores();
    void RepasaMarco();

    // While a text has long lines: the exact text, and where the marks sit in
    // what the editor shows.
    std::string exacto_;
    LineasLargas::Vista vista_;
    // While filling: whether a line has gone past the limit, the bytes since
    // the last LF, and the bytes the editor holds and has room for.
    bool largas_ = false;
    std::size_t columna_ = 0;
    std::size_t largo_ = 0;
    std::size_t capacidad_ = 0;

    // A pasted or dropped text on its way in, and whether a drop moves text
    // inside the box.
    mutable std::string entrante_;
    bool moviendo_ = false;
    bool callada_ = false;
    std::size_t idioma_ = 0;
    QLabel *aviso_;
};
