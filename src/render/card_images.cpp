#include "render/card_images.h"

#include "render/card_art/card_backs.h"
#include "render/card_art/card_faces.h"
#include "render/card_art/pile_marks.h"
#include "render/pixel_ops.h"
#include "resources/resource_library.h"

#include <QPainter>

#include <algorithm>
#include <cctype>

namespace vellomir::render {
namespace {

constexpr int kMark021Slot = CardImages::kKeptMarks;

// Settings hold three-digit numbers ("011"); a number written without its
// leading zeros is padded so that it still names the picture.
QString threeDigits(const std::string& text) {
    bool digits = !text.empty();
    for (const char c : text) {
        digits = digits && std::isdigit(static_cast<unsigned char>(c));
    }
    const QString value = QString::fromStdString(text);
    return digits && text.size() < 3 ? value.rightJustified(3, QLatin1Char('0')) : value;
}

// The picture with every pixel of the key colour made see-through.
QImage withKeyColour(const QImage& image, QRgb key) {
    if (image.isNull()) {
        return image;
    }
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00ffffff) == (key & 0x00ffffff)) {
                line[x] = 0;
            }
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Drawn pictures are used as the table draws them: opaque cards, marks and
// pieces with alpha, all at one device pixel per card pixel unless a ratio
// is set.
QImage opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// A soft picture (a shadow) at `ratio`, scaled smoothly.
QImage smoothlyAtRatio(const QImage& image, int ratio) {
    if (ratio == 1 || image.isNull()) {
        return image;
    }
    QImage scaled =
        image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

// The back of medium cards other than "011": the big back shrunk.
constexpr int kMediumOwnBack = 11;

} // namespace

CardImages::CardImages(const resources::ResourceLibrary& library)
    : m_library(library), m_scratch(100, 200, QImage::Format_RGB32) {
    m_scratch.fill(Qt::white);
}

const std::array<const char*, CardImages::kKeptMarks>& CardImages::keptMarkSuffixes() {
    // The first and the sixth are both "004": two slots of the same mark.
    static const std::array<const char*, kKeptMarks> suffixes = {
        "004", "_WASTE", "022", "005", "008", "004", "010", "012", "013",      "014", "015",
        "016", "017",    "018", "019", "020", "006", "003", "011", "_TABLEAU", "001", "009"};
    return suffixes;
}

QImage CardImages::load(const QString& name) const {
    return m_library.loadBitmap(name);
}

void CardImages::setCardSize(table::ProgramState& state) {
    const std::string letter = state.settings.read(settings::field::CardSize);
    const char c = letter.empty() ? ' ' : letter[0];
    if (c == 'F') {
        const int width = std::max(1, state.cardSize.width);
        const int height = std::max(1, state.cardSize.height);
        if (m_letter == 'F' && width == m_width && height == m_height) {
            // The pictures of this size are kept, but for a new card set
            // or back: those are drawn afresh.
            const bool bold =
                threeDigits(state.settings.read(settings::field::Card)) == QLatin1String("003");
            const int back = threeDigits(state.settings.read(settings::field::BackCard)).toInt();
            if (bold != m_boldSet) {
                rebuildImages(state);
            } else if (back != m_backNumber) {
                loadBack(state);
            }
            return;
        }
        m_letter = 'F';
        m_width = width;
        m_height = height;
        rebuildImages(state);
        if (const QImage* first = faceOf(1)) {
            m_scratch = first->copy();
        }
        return;
    }
    switch (c) {
    case 'B':
        m_width = 71;
        m_height = 96;
        break;
    case 'M':
        m_width = 59;
        m_height = 80;
        break;
    case 'L':
        m_width = 25;
        m_height = 32;
        break;
    default:
        break; // any other letter keeps the size in force
    }
    if (c == 'B' || c == 'M' || c == 'L') {
        m_letter = c;
    }
    state.cardSize.width = m_width;
    state.cardSize.height = m_height;
    rebuildImages(state);
    m_scratch = face(0).copy();
}

void CardImages::rebuildImages(const table::ProgramState& state) {
    if (state.cards.entry(1).empty()) {
        return; // the card table is not filled yet
    }
    m_softShadows.clear();
    if (drawsPictures()) {
        m_boldSet = threeDigits(state.settings.read(settings::field::Card)) == QLatin1String("003");
        m_faceDrawn.fill(false);
        m_markDrawn.fill(false);
        m_drawn = 0;
        loadBack(state);
        drawPieces();
        return;
    }
    const QString size(QChar::fromLatin1(m_letter));
    // The faces and marks of the library are taken from it when first
    // needed: a table shows few of them, and each held costs memory.
    m_cardSet = threeDigits(state.settings.read(settings::field::Card));
    m_faceDrawn.fill(false);
    m_markDrawn.fill(false);

    loadBack(state);

    for (int which = 0; which < 2; ++which) {
        const QString n = QString::number(which + 1);
        m_shadows[which] =
            withKeyColour(load(QStringLiteral("SHADOW_") + size + n), qRgb(255, 255, 255));
        m_borders[which] =
            withKeyColour(load(QStringLiteral("3D_BORDER_") + size + n), qRgb(0, 0, 255));
    }
}

const QImage& CardImages::loadedFace(int index) const {
    const auto i = static_cast<std::size_t>(index);
    if (m_faceDrawn[i]) {
        return m_faces[i];
    }
    m_faceDrawn[i] = true;
    const QString size(QChar::fromLatin1(m_letter));
    if (index == kJokerFace) {
        const QImage joker = load(QStringLiteral("JOKER_") + size);
        m_faces[i] = joker.isNull() ? QImage() : joker.convertToFormat(QImage::Format_RGB32);
        return m_faces[i];
    }
    // One sheet per suit, 5 columns by 3 rows of cells one card in size:
    // A-5, 6-10, then J, Q, K.
    static const char kSuitLetters[] = {'H', 'D', 'C', 'S'};
    const QImage sheet =
        load(QStringLiteral("C") + size + m_cardSet + QChar::fromLatin1(kSuitLetters[index / 13]));
    const int cell = index % 13;
    QImage& face = m_faces[i];
    face = QImage(m_width, m_height, QImage::Format_RGB32);
    face.fill(Qt::white);
    if (!sheet.isNull()) {
        QPainter painter(&face);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, sheet, (cell % 5) * m_width, (cell / 5) * m_height, m_width,
                          m_height);
    }
    return face;
}

void CardImages::loadBack(const table::ProgramState& state) {
    const QString number = threeDigits(state.settings.read(settings::field::BackCard));
    if (drawsPictures()) {
        m_backNumber = number.toInt();
        m_backDrawn = false;
        return;
    }
    if (m_letter == 'M' && number != QLatin1String("011")) {
        // Medium cards show the large back shrunk, except the one back that
        // has a medium picture of its own.
        const QImage large = load(QStringLiteral("DB") + number);
        m_back = QImage(59, 80, QImage::Format_RGB32);
        m_back.fill(Qt::white);
        if (!large.isNull()) {
            QPainter painter(&m_back);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(QRect(0, 0, 59, 80), large, QRect(0, 0, 71, 96));
        }
        return;
    }
    const QImage back = load(QStringLiteral("D") + QChar::fromLatin1(m_letter) + number);
    m_back = back.isNull() ? QImage() : back.convertToFormat(QImage::Format_RGB32);
}

int CardImages::faceIndexOf(int cardNumber) {
    if (cardNumber <= 0) {
        return -1;
    }
    if (cardNumber <= 52) {
        return cardNumber - 1;
    }
    if (cardNumber <= 104) {
        return cardNumber - 53;
    }
    return kJokerFace;
}

const QImage* CardImages::faceOf(int cardNumber) const {
    const int index = faceIndexOf(cardNumber);
    return index < 0 ? nullptr : &face(index);
}

const QImage& CardImages::face(int index) const {
    return drawsPictures() ? drawnFace(index) : loadedFace(index);
}

const QImage& CardImages::drawnFace(int index) const {
    const auto i = static_cast<std::size_t>(index);
    if (!m_faceDrawn[i]) {
        const art::CardSize size = artSize();
        if (index == kJokerFace) {
            m_faces[i] = opaque(art::drawJoker(size, m_pixelRatio));
        } else {
            const art::CardSet set = m_boldSet ? art::CardSet::Bold : art::CardSet::Classic;
            m_faces[i] = opaque(
                art::drawFace(size, set, art::kSuits[index / 13], index % 13 + 1, m_pixelRatio));
        }
        m_faceDrawn[i] = true;
        ++m_drawn;
    }
    return m_faces[i];
}

const QImage& CardImages::back() const {
    if (drawsPictures() && !m_backDrawn) {
        if (m_letter == 'M' && m_backNumber != kMediumOwnBack) {
            // As from the library: the big back shrunk, here from its sharp drawing.
            const QImage big = art::drawBack(art::kBig, m_backNumber, m_pixelRatio);
            m_back = opaque(big.scaled(QSize(m_width, m_height) * m_pixelRatio,
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            m_back.setDevicePixelRatio(m_pixelRatio);
        } else {
            m_back = opaque(art::drawBack(artSize(), m_backNumber, m_pixelRatio));
        }
        m_backDrawn = true;
        ++m_drawn;
    }
    return m_back;
}

void CardImages::setPixelRatio(int ratio) {
    const int r = std::max(1, ratio);
    if (r == m_pixelRatio) {
        return;
    }
    m_pixelRatio = r;
    // Every picture is drawn again at the new ratio, when first needed; the
    // pieces and the pictures of the fixed sizes come with rebuildImages().
    m_faceDrawn.fill(false);
    m_markDrawn.fill(false);
    m_backDrawn = false;
    m_softShadows.clear();
}

art::CardSize CardImages::artSize() const {
    switch (m_letter) {
    case 'B':
        return art::kBig;
    case 'M':
        return art::kMedium;
    case 'L':
        return art::kSmall;
    default:
        return art::fittedSize(m_width);
    }
}

void CardImages::drawPieces() {
    const art::CardSize size = artSize();
    for (int which = 0; which < 2; ++which) {
        // Fitted cards cast the soft shadow; the fixed sizes keep the
        // library's checkered one.
        m_shadows[which] =
            m_letter == 'F'
                ? smoothlyAtRatio(art::drawSoftShadowPiece(m_width, m_height, which + 1),
                                  m_pixelRatio)
                : atPixelRatio(
                      withKeyColour(art::drawShadowPiece(size, which + 1), qRgb(255, 255, 255)),
                      m_pixelRatio);
        // The edges are one pixel per layer of the pile: each pixel repeated.
        m_borders[which] = atPixelRatio(
            withKeyColour(art::drawBorderPiece(size, which + 1), qRgb(0, 0, 255)), m_pixelRatio);
    }
}

const QImage& CardImages::softShadowPiece(int which, int height) {
    const int slot = which == 2 ? 1 : 0;
    for (auto& [h, pieces] : m_softShadows) {
        if (h == height) {
            return pieces[static_cast<std::size_t>(slot)];
        }
    }
    // Carried heights are few (one card, the runs of a game); keep a handful.
    if (m_softShadows.size() >= 16) {
        m_softShadows.erase(m_softShadows.begin());
    }
    m_softShadows.push_back(
        {height,
         {smoothlyAtRatio(art::drawSoftShadowPiece(m_width, height, 1), m_pixelRatio),
          smoothlyAtRatio(art::drawSoftShadowPiece(m_width, height, 2), m_pixelRatio)}});
    return m_softShadows.back().second[static_cast<std::size_t>(slot)];
}

const QImage& CardImages::mark(const QString& suffix) {
    if (drawsPictures()) {
        const auto& suffixes = keptMarkSuffixes();
        std::size_t slot = kMark021Slot;
        for (std::size_t i = 0; i < suffixes.size(); ++i) {
            if (suffix == QLatin1String(suffixes[i])) {
                slot = i;
                break;
            }
        }
        if (slot == kMark021Slot && suffix != QLatin1String("021")) {
            return m_marks[kMark021Slot + 1]; // not a mark: the empty slot
        }
        if (!m_markDrawn[slot]) {
            m_marks[slot] = art::drawPileMark(artSize(), suffix, m_pixelRatio);
            m_markDrawn[slot] = true;
            ++m_drawn;
        }
        return m_marks[slot];
    }
    if (suffix == QLatin1String("021")) {
        m_marks[kMark021Slot] =
            load(QStringLiteral("W") + QChar::fromLatin1(m_letter) + QStringLiteral("021"));
        return m_marks[kMark021Slot];
    }
    const auto& suffixes = keptMarkSuffixes();
    for (std::size_t i = 0; i < suffixes.size(); ++i) {
        if (suffix == QLatin1String(suffixes[i])) {
            if (!m_markDrawn[i]) {
                m_marks[i] = load(QStringLiteral("W") + QChar::fromLatin1(m_letter) + suffix);
                m_markDrawn[i] = true;
            }
            return m_marks[i];
        }
    }
    return m_marks[kMark021Slot + 1]; // the unused slot, always empty
}

} // namespace vellomir::render
