#pragma once

// A plain multi-line text box that holds its text exactly, every CR, LF and
// CR LF as given, and fills and reads texts of hundreds of megabytes quickly.
//
// Text given through setPlainText() or PoneTexto() is kept unchanged. Text
// entering from outside (paste, drop, a typed Return) has its LF, CR and
// CR LF line breaks turned into CR LF as it enters, as on Windows, where text
// boxes and the clipboard use CR LF. U+2028 and U+2029 are ordinary characters.
//
// Example: after a paste of "a\nb" the box holds "a\r\nb"; after
// setPlainText("a\rb") it holds "a\rb".

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>

class CuadroTexto : public QsciScintilla
{
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)

public:
    explicit CuadroTexto(QWidget *parent = nullptr);

    QString toPlainText() const;
    void setPlainText(const QString &texto);
    // The same for a string that is not a QString, without making one; the
    // string is let go as soon as the box has what it needs from it.
    void PoneTexto(std::u16string texto);
    // Text from outside the program: its line breaks become CR LF.
    void PoneTextoDeFuera(const QString &texto);

    // UTF-8 bytes with every LF, CR and CR LF as CR LF; handed back unchanged
    // when they need nothing.
    static QByteArray ConCRLF(QByteArray bytes);

protected:
    QByteArray fromMimeData(const QMimeData *source, bool &rectangular) const override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void PoneUnidades(std::u16string_view texto, bool deFuera);
    void AplicaColores();
    void RepasaMarco();
};
