#include "CuadroTexto.h"

#include "HojasGrandes.h"
#include "UnidadesUtf16.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

CuadroTexto::CuadroTexto(QWidget *parent)
    : QsciScintilla(parent)
{
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
    AplicaColores();
}

namespace {

// Units handed to the editor at a time: the text is never held whole as UTF-8
// outside the editor.
constexpr std::size_t Trozo = std::size_t(1) << 16;

using Utf16::EsAlto;
using Utf16::EsBajo;

// The exact UTF-8 size of a text, with lone CRs and LFs counted as CR LF when
// the text comes from outside.
std::size_t LargoUtf8(std::u16string_view t, bool deFuera)
{
    std::size_t largo = t.size(), sustitutos = 0;
    for (const char16_t u : t) {
        largo += std::size_t(u >= 0x80) + std::size_t(u >= 0x800);
        sustitutos += std::size_t((u & 0xF800) == 0xD800);
    }
    // A pair is four bytes, not two times three.
    for (std::size_t i = 0; sustitutos && i + 1 < t.size(); ++i)
        largo -= EsAlto(t[i]) && EsBajo(t[i + 1]) ? 2 : 0;
    if (deFuera) {
        std::size_t cr = 0, lf = 0, crlf = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            cr += t[i] == u'\r';
            lf += t[i] == u'\n';
            crlf += t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n';
        }
        largo += cr + lf - 2 * crlf;
    }
    return largo;
}

// Encodes [p, fin) as UTF-8 at d, which has room for three bytes a unit (four
// for a text from outside). A lone surrogate is written in the three-byte form,
// so that any string comes back unchanged. `fin` never splits a pair nor a CR LF.
template <bool DeFuera>
char *AUtf8(const char16_t *p, const char16_t *fin, char *d)
{
    while (p != fin) {
        // Four units at a time while they are ASCII (and, from outside, no control).
        while (fin - p >= 4) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if (w & 0xFF80FF80FF80FF80u)
                break;
            if (DeFuera && ((w - 0x0020002000200020u) & 0x8000800080008000u))
                break;
            d[0] = char(p[0]), d[1] = char(p[1]), d[2] = char(p[2]), d[3] = char(p[3]);
            d += 4, p += 4;
        }
        if (p == fin)
            break;
        const char16_t u = *p++;
        if (DeFuera && (u == u'\r' || u == u'\n')) {
            *d++ = '\r', *d++ = '\n';
            if (u == u'\r' && p != fin && *p == u'\n')
                ++p;
        } else if (u < 0x80) {
            *d++ = char(u);
        } else if (u < 0x800) {
            *d++ = char(0xC0 | (u >> 6)), *d++ = char(0x80 | (u & 0x3F));
        } else if (EsAlto(u) && p != fin && EsBajo(*p)) {
            const char32_t c = Utf16::Combina(u, *p++);
            *d++ = char(0xF0 | (c >> 18)), *d++ = char(0x80 | ((c >> 12) & 0x3F));
            *d++ = char(0x80 | ((c >> 6) & 0x3F)), *d++ = char(0x80 | (c & 0x3F));
        } else {
            *d++ = char(0xE0 | (u >> 12)), *d++ = char(0x80 | ((u >> 6) & 0x3F)), *d++ = char(0x80 | (u & 0x3F));
        }
    }
    return d;
}

// Decodes UTF-8 at d, which has room for one unit a byte. Each byte that
// begins no character gives U+FFFD; the three-byte form of a surrogate gives
// the surrogate back.
char16_t *AUtf16(const unsigned char *p, const unsigned char *fin, char16_t *d)
{
    const auto sigue = [&](std::ptrdiff_t i) { return (p[i] & 0xC0) == 0x80; };
    while (p != fin) {
        while (fin - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if (w & 0x8080808080808080u)
                break;
            for (int i = 0; i < 8; ++i)
                d[i] = p[i];
            d += 8, p += 8;
        }
        if (p == fin)
            break;
        const unsigned c = *p;
        const std::ptrdiff_t queda = fin - p;
        if (c < 0x80) {
            *d++ = char16_t(c), p += 1;
        } else if (c >= 0xC2 && c < 0xE0 && queda >= 2 && sigue(1)) {
            *d++ = char16_t(((c & 0x1F) << 6) | (p[1] & 0x3F)), p += 2;
        } else if (c >= 0xE0 && c < 0xF0 && queda >= 3 && sigue(1) && sigue(2) && (c > 0xE0 || p[1] >= 0xA0)) {
            *d++ = char16_t(((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F)), p += 3;
        } else if (c >= 0xF0 && c < 0xF5 && queda >= 4 && sigue(1) && sigue(2) && sigue(3) &&
                   (c > 0xF0 || p[1] >= 0x90) && (c < 0xF4 || p[1] < 0x90)) {
            const char32_t u = ((c & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
            *d++ = char16_t(0xD800 + ((u - 0x10000) >> 10)), *d++ = char16_t(0xDC00 + (u & 0x3FF)), p += 4;
        } else {
            *d++ = char16_t(0xFFFD), p += 1;
        }
    }
    return d;
}

}  // namespace

QString CuadroTexto::toPlainText() const
{
    // The document's own buffer, read in place: it may hold NUL characters.
    const auto largo = qsizetype(SendScintilla(SCI_GETLENGTH));
    const auto *bytes = reinterpret_cast<const unsigned char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    QString texto(largo, Qt::Uninitialized);
    auto *inicio = reinterpret_cast<char16_t *>(texto.data());
    HojasGrandes::Pide(inicio, std::size_t(largo) * sizeof(char16_t));
    texto.truncate(AUtf16(bytes, bytes + largo, inicio) - inicio);
    return texto;
}

void CuadroTexto::setPlainText(const QString &texto)
{
    PoneUnidades({reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())}, false);
}

void CuadroTexto::PoneTexto(std::u16string texto)
{
    PoneUnidades(texto, false);
}

void CuadroTexto::PoneTextoDeFuera(const QString &texto)
{
    PoneUnidades({reinterpret_cast<const char16_t *>(texto.utf16()), std::size_t(texto.size())}, true);
}

// Replaces the whole text as one change, which cannot be undone: the undo
// history would otherwise keep every text ever shown. The editor is given the
// exact size first, so that it allocates once; two bytes more, because reading
// the whole text back needs one free byte beyond the terminating one, and the
// editor would otherwise copy the whole text into a larger buffer to get it.
void CuadroTexto::PoneUnidades(std::u16string_view texto, bool deFuera)
{
    {
        const QSignalBlocker bloqueo(this);
        // Without a notice for each piece: some listeners, such as the
        // accessibility bridge, count the characters before every change.
        const long avisos = SendScintilla(SCI_GETMODEVENTMASK);
        SendScintilla(SCI_SETMODEVENTMASK, 0UL);
        SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
        SendScintilla(SCI_CLEARALL);
        SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(LargoUtf8(texto, deFuera)) + 2);
        QByteArray bytes(qsizetype(4 * Trozo), Qt::Uninitialized);
        for (std::size_t desde = 0; desde < texto.size();) {
            std::size_t hasta = std::min(texto.size(), desde + Trozo);
            if (hasta < texto.size() && texto[hasta - 1] == u'\r' && texto[hasta] == u'\n')
                --hasta;
            if (hasta < texto.size() && EsAlto(texto[hasta - 1]) && EsBajo(texto[hasta]))
                --hasta;
            const char16_t *p = texto.data();
            const char *fin = deFuera ? AUtf8<true>(p + desde, p + hasta, bytes.data())
                                      : AUtf8<false>(p + desde, p + hasta, bytes.data());
            SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(fin - bytes.constData()), bytes.constData());
            desde = hasta;
        }
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
        SendScintilla(SCI_SETSAVEPOINT);
        SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(avisos));
    }
    emit textChanged();
}

namespace {

// Whether every CR is followed by LF and every LF follows a CR.
bool SoloCRLF(const char *inicio, const char *fin)
{
    for (auto *p = inicio; (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(fin - p)))); ++p) {
        if (p == inicio || p[-1] != '\r')
            return false;
    }
    for (auto *p = inicio; (p = static_cast<const char *>(std::memchr(p, '\r', std::size_t(fin - p)))); ++p) {
        if (p + 1 == fin || p[1] != '\n')
            return false;
    }
    return true;
}

}  // namespace

QByteArray CuadroTexto::ConCRLF(QByteArray bytes)
{
    const char *inicio = bytes.constData();
    const char *fin = inicio + bytes.size();
    if (SoloCRLF(inicio, fin))
        return bytes;

    // At most two bytes for each one.
    QByteArray salida(bytes.size() * 2, Qt::Uninitialized);
    char *destino = salida.data();
    for (const char *p = inicio; p != fin; ++p) {
        if (*p == '\r' || *p == '\n') {
            *destino++ = '\r';
            *destino++ = '\n';
            if (*p == '\r' && p + 1 != fin && p[1] == '\n')
                ++p;
        } else {
            *destino++ = *p;
        }
    }
    salida.truncate(destino - salida.constData());
    salida.squeeze();
    return salida;
}

QByteArray CuadroTexto::fromMimeData(const QMimeData *source, bool &rectangular) const
{
    return ConCRLF(QsciScintilla::fromMimeData(source, rectangular));
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
