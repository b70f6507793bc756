// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuadroTexto.h"

#include "AccesoCuadro.h"
#include "Catalogo.h"
#include "Codificaciones.h"
#include "Saltos.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The notices the box asks the editor for: before an insertion (which may
// still be changed then), before it is made, before a deletion.
constexpr unsigned long Avisos = QsciScintillaBase::SC_MOD_INSERTCHECK | QsciScintillaBase::SC_MOD_BEFOREINSERT
                                 | QsciScintillaBase::SC_MOD_BEFOREDELETE;

}  // namespace

CuadroTexto::CuadroTexto(QWidget *parent)
    : QsciScintilla(parent)
{
    AccesoCuadro::Instala();
    // A document without a style byte per character: plain text has one style.
    const long documento = SendScintilla(SCI_CREATEDOCUMENT, 0UL, long(SC_DOCUMENTOPTION_STYLES_NONE));
    SendScintilla(SCI_SETDOCPOINTER, 0UL, documento);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, documento);
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setMargins(0);
    SendScintilla(SCI_SETMARGINLEFT, 0, 3L);
    SendScintilla(SCI_SETMARGINRIGHT, 0, 3L);
    setWrapMode(WrapNone);
    setFont(QApplication::font(this));
    // The horizontal range follows the widest line shown, as in a plain box.
    setScrollWidth(1);
    setScrollWidthTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move the focus instead of inserting a tab.
    SendScintilla(SCI_CLEARCMDKEY, SCK_TAB);
    SendScintilla(SCI_CLEARCMDKEY, SCK_TAB | (SCMOD_SHIFT << 16));
    // Ctrl+Shift+Z redoes, as Ctrl+Y does.
    SendScintilla(SCI_ASSIGNCMDKEY, 'Z' | ((SCMOD_CTRL | SCMOD_SHIFT) << 16), long(SCI_REDO));
    // Told of each change just before it is made, and never after: the notice
    // after a change has the editor count every character before it, for the
    // accessibility bridge, at every typed key. textChanged() comes with the
    // notice before.
    SendScintilla(SCI_SETMODEVENTMASK, Avisos);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &CuadroTexto::Modificado);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this] { AccesoCuadro::AvisaCursor(this); });
    // The breaks of long lines in grey.
    SendScintilla(SCI_INDICSETSTYLE, 8UL, long(INDIC_TEXTFORE));
    SendScintilla(SCI_INDICSETFORE, 8UL, QColor(Qt::gray));
    SendScintilla(SCI_SETINDICATORCURRENT, 8UL);

    aviso_ = new QLabel(this);
    aviso_->setObjectName(QStringLiteral("aviso"));
    aviso_->setAutoFillBackground(true);
    aviso_->setBackgroundRole(QPalette::ToolTipBase);
    aviso_->setForegroundRole(QPalette::ToolTipText);
    aviso_->setContentsMargins(4, 1, 4, 1);
    aviso_->hide();
    PoneIdioma(0);
    AplicaColores();
}

namespace {

// Units handed to the editor at a time: the text is never held whole as UTF-8
// outside the editor.
constexpr std::size_t Trozo = std::size_t(1) << 16;

using Codificaciones::Codificacion;
using Codificaciones::Politica;

// The generalised UTF-8 the boxes hold, back to UTF-16: a lone surrogate in
// three bytes gives the surrogate back, and each byte that begins no
// character gives U+FFFD.
QString AQString(std::string_view utf8)
{
    QString texto(qsizetype(utf8.size() + Codificaciones::Decodificador::Retenidos), Qt::Uninitialized);
    auto *inicio = reinterpret_cast<char16_t *>(texto.data());
    Codificaciones::Decodificador lector(Codificacion::Utf8, Politica::Tolerante);
    char16_t *fin = lector.Termina(lector.Decodifica(utf8, inicio));
    texto.truncate(fin - inicio);
    return texto;
}

}  // namespace

std::string_view CuadroTexto::Bytes() const
{
    if (LineasPartidas())
        return exacto_;
    // The document's own buffer, read in place: it may hold NUL characters.
    const auto largo = std::size_t(SendScintilla(SCI_GETLENGTH));
    return {reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER)), largo};
}

QString CuadroTexto::toPlainText() const
{
    return AQString(Bytes());
}

void CuadroTexto::setPlainText(const QString &texto)
{
    PoneUnidades({reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())}, false);
}

void CuadroTexto::PoneTexto(std::u16string_view texto)
{
    PoneUnidades(texto, false);
}

void CuadroTexto::PoneBytes(std::string_view utf8)
{
    EmpiezaTexto();
    AnadeTexto(utf8, utf8.size());
    TerminaTexto();
}

void CuadroTexto::PoneTextoDeFuera(const QString &texto)
{
    PoneUnidades({reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())}, true);
}

// Encoded a piece at a time and handed on at once, in one pass: the size the
// whole text will take is foreseen from what the pieces so far took.
void CuadroTexto::PoneUnidades(std::u16string_view texto, bool deFuera)
{
    EmpiezaTexto();
    // Three bytes a unit at most, then twice that for a lone CR or LF from outside.
    std::string trozo(3 * Trozo + Codificaciones::Codificador::Retenidos, '\0');
    std::string saltos(deFuera ? 2 * trozo.size() : 0, '\0');
    Codificaciones::Codificador escritor(Codificacion::Utf8, Politica::Tolerante);
    Saltos::ACRLF<char> crlf;
    std::size_t bytes = 0;
    for (std::size_t desde = 0; desde < texto.size();) {
        std::size_t hasta = std::min(texto.size(), desde + Trozo);
        if (hasta < texto.size() && texto[hasta - 1] == u'\r' && texto[hasta] == u'\n')
            --hasta;
        const char *fin = escritor.Codifica(texto.substr(desde, hasta - desde), trozo.data());
        if (hasta == texto.size())
            fin = escritor.Termina(const_cast<char *>(fin));
        std::string_view pieza(trozo.data(), std::size_t(fin - trozo.data()));
        if (deFuera && !crlf.Intacto(pieza))
            pieza = {saltos.data(), std::size_t(crlf.Normaliza(pieza, saltos.data()) - saltos.data())};
        bytes += pieza.size();
        const double porUnidad = double(bytes) / double(hasta);
        AnadeTexto(pieza, std::size_t(porUnidad * double(texto.size()) * 1.01) + Trozo);
        desde = hasta;
    }
    TerminaTexto();
}

// Undo history is off while filling: it would otherwise keep every text ever
// shown. No notice goes out for each piece either.
void CuadroTexto::EmpiezaTexto()
{
    callada_ = blockSignals(true);
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    setReadOnly(false);
    SendScintilla(SCI_CLEARALL);
    exacto_.clear();
    vista_.Borra();
    largas_ = false;
    columna_ = largo_ = capacidad_ = 0;
}

void CuadroTexto::AnadeTexto(std::string_view utf8, std::size_t esperado)
{
    if (!largas_ && PasaLimite(utf8)) {
        // Kept apart from here on; what the editor shows is made at the end.
        exacto_.reserve(std::max(esperado, largo_ + utf8.size()));
        exacto_.assign(reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER)), largo_);
        SendScintilla(SCI_CLEARALL);
        largo_ = capacidad_ = 0;
        largas_ = true;
    }
    if (largas_) {
        exacto_.append(utf8);
        return;
    }
    Agranda(largo_ + utf8.size(), esperado);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    largo_ += utf8.size();
}

// Whether a line has passed the limit, counted in bytes between LFs: that
// never counts fewer characters than there are, and the breaks themselves are
// then placed by an exact count of characters.
bool CuadroTexto::PasaLimite(std::string_view utf8)
{
    const char *p = utf8.data();
    const char *fin = p + utf8.size();
    while (const auto *lf = static_cast<const char *>(std::memchr(p, '\n', std::size_t(fin - p)))) {
        if (columna_ + std::size_t(lf - p) > LineasLargas::Limite)
            return true;
        columna_ = 0;
        p = lf + 1;
    }
    columna_ += std::size_t(fin - p);
    return columna_ > LineasLargas::Limite;
}

// The editor's buffer grows to what is expected of the whole text, so that it
// is allocated once; two bytes more, because reading the whole text back needs
// one free byte beyond the terminating one, and the editor would otherwise
// copy the whole text into a larger buffer to get it.
void CuadroTexto::Agranda(std::size_t necesario, std::size_t esperado)
{
    if (necesario + 2 <= capacidad_)
        return;
    capacidad_ = std::max({necesario, esperado, capacidad_ + capacidad_ / 4}) + 2;
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(capacidad_));
}

void CuadroTexto::TerminaTexto()
{
    if (largas_)
        MuestraPartido();
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_SETMODEVENTMASK, Avisos);
    // The horizontal range starts again from the new text's lines.
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETXOFFSET, 0UL);
    setReadOnly(LineasPartidas());
    aviso_->setVisible(LineasPartidas());
    ColocaAviso();
    blockSignals(callada_);
    emit textChanged();
}

// The editor is given the text with a mark at each break of a long line.
void CuadroTexto::MuestraPartido()
{
    std::vector<std::size_t> cortes;
    LineasLargas::Cortes(exacto_, [&](std::size_t p) { cortes.push_back(p); });
    const std::size_t marca = LineasLargas::Marca.size();
    Agranda(exacto_.size() + cortes.size() * marca, 0);
    std::size_t desde = 0;
    for (const std::size_t corte : cortes) {
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(corte - desde), exacto_.data() + desde);
        vista_.Anade(std::size_t(SendScintilla(SCI_GETLENGTH)));
        SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(marca), LineasLargas::Marca.data());
        desde = corte;
    }
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(exacto_.size() - desde), exacto_.data() + desde);
    for (const std::size_t p : vista_.Marcas())
        SendScintilla(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(p), long(marca - 1));
    if (cortes.empty()) {
        // Long in bytes only: the text is shown as it is.
        std::string().swap(exacto_);
    }
}

void CuadroTexto::Modificado(int posicion, int tipo, const char *, int largo)
{
    if (!(tipo & SC_MOD_INSERTCHECK)) {
        emit textChanged();
        return;
    }
    // This notice comes without the text: a paste's or a drop's is kept as it
    // enters. A typed key lengthens a line by a character, which costs little.
    std::string insertado;
    insertado.swap(entrante_);
    if (moviendo_ || insertado.size() != std::size_t(largo) || !HaceLineaLarga(std::size_t(posicion), insertado))
        return;
    // The editor would lay the new line out whole before the next repaint
    // (to place the caret), and the document may not change during this
    // notice: it inserts nothing, and the whole text is given again, shown
    // as any text with long lines is.
    const std::string_view actual = Bytes();
    std::string nuevo;
    nuevo.reserve(actual.size() + insertado.size());
    nuevo.append(actual.substr(0, std::size_t(posicion))).append(insertado).append(actual.substr(std::size_t(posicion)));
    SendScintilla(SCI_CHANGEINSERTION, 0UL, "");
    QMetaObject::invokeMethod(this, [this, nuevo = std::move(nuevo)] { PoneBytes(nuevo); }, Qt::QueuedConnection);
}

// Whether inserting at posicion makes a line longer than the limit. Only
// the line at posicion and the inserted text are read, and nothing at all
// while their bytes, never fewer than their characters, are within it.
bool CuadroTexto::HaceLineaLarga(std::size_t posicion, std::string_view insertado) const
{
    const long linea = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(posicion));
    const auto inicio = std::size_t(SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(linea)));
    const auto fin = std::size_t(SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(linea)));
    if (fin - inicio + insertado.size() <= LineasLargas::Limite)
        return false;
    const auto *p = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, inicio, long(fin - inicio)));
    std::string lineas(p, posicion - inicio);
    lineas.append(insertado).append(p + (posicion - inicio), fin - posicion);
    bool larga = false;
    LineasLargas::Cortes(lineas, [&](std::size_t) { larga = true; });
    return larga;
}

QByteArray CuadroTexto::ConCRLF(QByteArray bytes)
{
    Saltos::ACRLF<char> crlf;
    const std::string_view texto(bytes.constData(), std::size_t(bytes.size()));
    if (crlf.Intacto(texto))
        return bytes;

    // At most two bytes for each one.
    QByteArray salida(bytes.size() * 2, Qt::Uninitialized);
    salida.truncate(crlf.Normaliza(texto, salida.data()) - salida.constData());
    salida.squeeze();
    return salida;
}

QByteArray CuadroTexto::fromMimeData(const QMimeData *source, bool &rectangular) const
{
    QByteArray bytes = ConCRLF(QsciScintilla::fromMimeData(source, rectangular));
    if (!rectangular) {
        // For the insertion that follows at once; gone after it in any case.
        entrante_.assign(bytes.constData(), std::size_t(bytes.size()));
        QTimer::singleShot(0, this, [this] { std::string().swap(entrante_); });
    }
    return bytes;
}

// A copied or dragged selection: the exact characters it covers, NUL and
// lone surrogates included, without the marks of broken lines. Read from the
// text itself rather than from the editor's copy, which stops at a NUL.
QMimeData *CuadroTexto::toMimeData(const QByteArray &, bool rectangular) const
{
    std::vector<std::pair<std::size_t, std::size_t>> tramos;
    const long n = SendScintilla(SCI_GETSELECTIONS);
    for (long i = 0; i < n; ++i)
        tramos.emplace_back(std::size_t(SendScintilla(SCI_GETSELECTIONNSTART, i)),
                            std::size_t(SendScintilla(SCI_GETSELECTIONNEND, i)));
    std::sort(tramos.begin(), tramos.end());
    QByteArray bytes;
    for (const auto &[desde, hasta] : tramos) {
        if (LineasPartidas()) {
            const std::size_t inicio = vista_.Exacta(desde);
            bytes.append(exacto_.data() + inicio, qsizetype(vista_.Exacta(hasta) - inicio));
        } else {
            // Only this range is made contiguous in the editor's buffer.
            const auto *p = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, desde, long(hasta - desde)));
            bytes.append(p, qsizetype(hasta - desde));
        }
        if (rectangular)
            bytes.append("\r\n");
    }
    QMimeData *datos = QsciScintilla::toMimeData(QByteArray(), rectangular);
    PoneEnDatos(datos, {bytes.constData(), std::size_t(bytes.size())});
    return datos;
}

namespace {

// Whether UTF-8 bytes hold the three-byte form of a surrogate.
bool ConSustitutos(std::string_view bytes)
{
    for (auto p = bytes.find('\xED'); p != std::string_view::npos; p = bytes.find('\xED', p + 1)) {
        if (p + 1 < bytes.size() && (static_cast<unsigned char>(bytes[p + 1]) & 0xE0) == 0xA0)
            return true;
    }
    return false;
}

}  // namespace

// Decoded only when someone asks for the text: on X11 every change of the
// selection is offered to other programs this way, and a selection of tens of
// megabytes would otherwise be decoded at every key that extends it.
void CuadroTexto::PoneEnDatos(QMimeData *datos, std::string_view utf8)
{
    if (ConSustitutos(utf8)) {
        // Not UTF-8, which has no lone surrogates: the exact units instead.
        datos->setText(AQString(utf8));
        return;
    }
    const QByteArray bytes(utf8.data(), qsizetype(utf8.size()));
    datos->setData(QStringLiteral("text/plain"), bytes);
    datos->setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
}

// A drag from the other box, or from another program, copies: the text it
// came from stays where it was.
void CuadroTexto::CopiaEntreCajas(QDropEvent *event) const
{
    if (event->isAccepted() && event->source() != this && event->source() != viewport())
        event->setDropAction(Qt::CopyAction);
}

void CuadroTexto::dragEnterEvent(QDragEnterEvent *event)
{
    QsciScintilla::dragEnterEvent(event);
    CopiaEntreCajas(event);
}

void CuadroTexto::dragMoveEvent(QDragMoveEvent *event)
{
    QsciScintilla::dragMoveEvent(event);
    CopiaEntreCajas(event);
}

void CuadroTexto::dropEvent(QDropEvent *event)
{
    // A move inside the box deletes its source after the insertion, so the
    // insertion is left alone: it takes text the box already shows.
    moviendo_ = event->source() == this || event->source() == viewport();
    QsciScintilla::dropEvent(event);
    moviendo_ = false;
    CopiaEntreCajas(event);
}

bool CuadroTexto::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void CuadroTexto::changeEvent(QEvent *event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        AplicaColores();
}

bool CuadroTexto::event(QEvent *event)
{
    const bool hecho = QsciScintilla::event(event);
    if (event->type() == QEvent::Paint)
        RepasaMarco();
    return hecho;
}

// ---- Language: context menu and hint ------------------------------------------

namespace {

QString TextoCaja(Catalogo::Caja que, std::size_t columna)
{
    return QString::fromUtf8(Catalogo::Cajas[std::size_t(que)].Textos[columna]);
}

}  // namespace

void CuadroTexto::PoneIdioma(std::size_t columna)
{
    idioma_ = columna;
    aviso_->setToolTip(TextoCaja(Catalogo::Caja::SoloLectura, columna));
    ColocaAviso();
}

// The editor's own menu takes its texts from its translations, which lack
// some languages: the same seven entries, from the program's catalogue.
QMenu *CuadroTexto::createStandardContextMenu()
{
    using Catalogo::Caja;
    const bool escribe = !isReadOnly();
    const bool seleccion = SendScintilla(SCI_GETSELECTIONEMPTY) == 0;
    const struct {
        Caja que;
        unsigned orden;
        bool activa;
    } entradas[] = {
        {Caja::Deshacer, SCI_UNDO, escribe && SendScintilla(SCI_CANUNDO) != 0},
        {Caja::Rehacer, SCI_REDO, escribe && SendScintilla(SCI_CANREDO) != 0},
        {Caja::Cortar, SCI_CUT, escribe && seleccion},
        {Caja::Copiar, SCI_COPY, seleccion},
        {Caja::Pegar, SCI_PASTE, escribe && SendScintilla(SCI_CANPASTE) != 0},
        {Caja::Eliminar, SCI_CLEAR, escribe && seleccion},
        {Caja::SeleccionarTodo, SCI_SELECTALL, SendScintilla(SCI_GETLENGTH) > 0},
    };
    auto *menu = new QMenu(this);
    for (const auto &entrada : entradas) {
        if (entrada.que == Caja::Cortar || entrada.que == Caja::SeleccionarTodo)
            menu->addSeparator();
        QAction *accion = menu->addAction(TextoCaja(entrada.que, idioma_));
        accion->setEnabled(entrada.activa);
        const unsigned orden = entrada.orden;
        connect(accion, &QAction::triggered, this, [this, orden] { SendScintilla(orden); });
    }
    return menu;
}

void CuadroTexto::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->exec(event->globalPos());
}

void CuadroTexto::resizeEvent(QResizeEvent *event)
{
    QsciScintilla::resizeEvent(event);
    ColocaAviso();
}

// In the top right corner of the text, clear of the scroll bar; cut short
// in a narrow box, whole in its tooltip.
void CuadroTexto::ColocaAviso()
{
    const QRect vista = viewport()->geometry();
    const QMargins margen = aviso_->contentsMargins();
    const int cabe = vista.width() - margen.left() - margen.right();
    aviso_->setText(aviso_->fontMetrics().elidedText(aviso_->toolTip(), Qt::ElideRight, cabe));
    aviso_->adjustSize();
    aviso_->move(std::max(vista.left(), vista.right() + 1 - aviso_->width()), vista.top());
    aviso_->raise();
}

// At a fractional scale the style's one-pixel frame lines fall between device
// pixels: the top and left ones are rounded out of the box's own pixels, the
// right and bottom ones under the scroll bars. They are drawn again as bands
// one pixel wide, each covering at least one whole device pixel, in the
// colours the style gives each line at 1x.
void CuadroTexto::RepasaMarco()
{
    const int ancho = frameWidth();
    const qreal escala = devicePixelRatioF();
    if (ancho <= 0 || escala == std::floor(escala))
        return;
    const int lado = 4 * ancho + 4;
    QImage muestra(lado, lado, QImage::Format_ARGB32_Premultiplied);
    muestra.fill(Qt::transparent);
    {
        QStyleOptionFrame opcion;
        initStyleOption(&opcion);
        opcion.rect = muestra.rect();
        QPainter pintor(&muestra);
        style()->drawControl(QStyle::CE_ShapedFrame, &opcion, &pintor, this);
    }
    QPainter pintor(this);
    const qreal w = width(), h = height(), medio = lado / 2;
    for (int i = 0; i < ancho; ++i) {
        pintor.fillRect(QRectF(i, i, w - 2 * i, 1), QColor::fromRgba(muestra.pixel(medio, i)));
        pintor.fillRect(QRectF(i, h - 1 - i, w - 2 * i, 1), QColor::fromRgba(muestra.pixel(medio, lado - 1 - i)));
        pintor.fillRect(QRectF(i, i, 1, h - 2 * i), QColor::fromRgba(muestra.pixel(i, medio)));
        pintor.fillRect(QRectF(w - 1 - i, i, 1, h - 2 * i), QColor::fromRgba(muestra.pixel(lado - 1 - i, medio)));
    }
}

// The colours of the platform's text boxes rather than the editor's own.
void CuadroTexto::AplicaColores()
{
    const QPalette &paleta = palette();
    setPaper(paleta.color(QPalette::Base));
    setColor(paleta.color(QPalette::Text));
    setSelectionBackgroundColor(paleta.color(QPalette::Highlight));
    setSelectionForegroundColor(paleta.color(QPalette::HighlightedText));
    setCaretForegroundColor(paleta.color(QPalette::Text));
}
