#include "attendance/StudentCard.h"

#include "core/StatusWords.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <utility>

namespace {
constexpr auto kIndexProperty = "cardIndex";
constexpr auto kTagProperty = "tag";

// Positions inside the card are measured from inside its one-pixel border, as the card's own
// coordinates are.
constexpr int kBorder = 1;

QColor mix(const QColor& a, const QColor& b, qreal share)
{
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    return QColor::fromRgbF(float(x.redF() + (y.redF() - x.redF()) * share),
        float(x.greenF() + (y.greenF() - x.greenF()) * share), float(x.blueF() + (y.blueF() - x.blueF()) * share));
}

// The first letter of a word with whatever marks sit on it, skipping what opens the word: the
// "t" of "(twin)". Letters beyond the basic plane count whole.
QString firstLetter(QStringView word)
{
    for (qsizetype at = 0; at < word.size(); ++at) {
        const bool pair = word.at(at).isHighSurrogate() && at + 1 < word.size() && word.at(at + 1).isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(word.at(at), word.at(at + 1)) : word.at(at).unicode();
        if (!QChar::isLetterOrNumber(code))
            continue;
        qsizetype end = at + (pair ? 2 : 1);
        while (end < word.size() && word.at(end).isMark())
            ++end;
        return word.mid(at, end - at).toString();
    }
    return QString();
}

// Drawn above the photo and labels: the focus frame and the corner that marks a remark. It takes
// no mouse presses, so a click still lands on the element below.
class CardOverlay : public QWidget
{
public:
    explicit CardOverlay(StudentCard* card)
        : QWidget(card)
        , m_card(card)
    {
        setObjectName(QStringLiteral("cardOverlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!m_card->remark().isEmpty()) {
            // A folded corner at the photo's top right, outlined so that it shows on any photo.
            constexpr int size = 15;
            const int right = width() - kBorder;
            QPainterPath corner;
            corner.moveTo(right - size, kBorder);
            corner.lineTo(right, kBorder);
            corner.lineTo(right, kBorder + size);
            corner.closeSubpath();
            painter.setPen(QPen(palette().color(QPalette::Base), 1));
            painter.setBrush(QColor(232, 160, 0));
            painter.drawPath(corner);
        }
        if (m_card->hasFocus()) {
            const QColor ring = palette().color(QPalette::Highlight);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ring, 3));
            painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        }
    }

private:
    StudentCard* m_card;
};

} // namespace

StudentCard::StudentCard(int index, QWidget* parent)
    : QFrame(parent)
    , m_index(index)
    , m_photo(new QLabel(this))
    , m_name(new QLabel(this))
    , m_status(new QLabel(this))
    , m_overlay(new CardOverlay(this))
    , m_word(QString::fromLatin1(status::kPresent))
    , m_colourWord(m_word)
{
    setObjectName(QStringLiteral("Picture1"));
    m_photo->setObjectName(QStringLiteral("Image1"));
    m_name->setObjectName(QStringLiteral("lblStudentName"));
    m_status->setObjectName(QStringLiteral("lblStatus"));
    for (QObject* element : {static_cast<QObject*>(this), static_cast<QObject*>(m_photo), static_cast<QObject*>(m_name),
             static_cast<QObject*>(m_status)})
        element->setProperty(kIndexProperty, index);

    setFixedSize(kWidth, kHeight);
    setFrameShape(QFrame::Box);
    setLineWidth(kBorder);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    // The window decides which one card Tab stops at; the others take the focus by click or arrow.
    setFocusPolicy(Qt::ClickFocus);

    // Photo at the top (0, 0); name at 1440 and status at 1680 twips, each 255 twips high, so
    // the name label overlaps the photo's lowest 15 twips.
    m_photo->setGeometry(kBorder, kBorder, kPhotoSize.width(), kPhotoSize.height());
    m_photo->setScaledContents(true);
    m_photo->setAlignment(Qt::AlignCenter);
    // Its own colours, not the card's: the initials' soft background and their shade.
    m_photo->setBackgroundRole(QPalette::Window);
    m_photo->setForegroundRole(QPalette::WindowText);
    QFont initialsFont = m_photo->font();
    initialsFont.setPixelSize(34);
    initialsFont.setBold(true);
    m_photo->setFont(initialsFont);
    m_name->setGeometry(kBorder, kBorder + 96, kPhotoSize.width(), 17);
    m_status->setGeometry(kBorder, kBorder + 112, kPhotoSize.width(), 17);
    m_photo->lower();

    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPointSizeF(8.25);
    nameFont.setBold(false);
    m_name->setFont(nameFont);
    m_name->setAlignment(Qt::AlignCenter);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setToolTip(tr("Double Click To Change The Status"));
    for (QLabel* label : {m_name, m_status}) {
        label->setAutoFillBackground(false);
        label->setForegroundRole(QPalette::Text);
    }
    setStatus(m_word);
    m_photo->setAutoFillBackground(true);
    paintPhotoGround();
    for (QWidget* element :
        {static_cast<QWidget*>(m_photo), static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_status)})
        element->installEventFilter(this);
    m_overlay->setGeometry(rect());
    m_overlay->raise();
}

qint64 StudentCard::studentId() const
{
    return m_name->property(kTagProperty).toString().toLongLong();
}

QString StudentCard::studentName() const
{
    return m_fullName;
}

void StudentCard::setStudent(qint64 id, const QString& name)
{
    m_fullName = name;
    m_name->setProperty(kTagProperty, QString::number(id));
    showName();
    if (!hasPhoto())
        showInitials();
    describe();
}

void StudentCard::showName()
{
    // A name that does not fit takes a second line, over the photo's lowest strip, before it is
    // elided: surnames are what tell two "Noah García"s apart. The whole name is in the tooltip
    // and the accessible name.
    const QRect oneLine(kBorder, kBorder + 96, kPhotoSize.width(), 17);
    m_name->setGeometry(oneLine);
    m_name->setAutoFillBackground(false);
    const QFontMetrics metrics = m_name->fontMetrics();
    const int room = m_name->contentsRect().width();
    if (metrics.horizontalAdvance(m_fullName) <= room) {
        m_name->setText(m_fullName);
        return;
    }
    // The first line ends at the last space (or after the last hyphen) that lets it fit; a
    // single long word is cut where the line is full.
    qsizetype cut = 0;
    for (qsizetype at = 1; at < m_fullName.size(); ++at) {
        const bool breaks = m_fullName.at(at) == QLatin1Char(' ') || m_fullName.at(at - 1) == QLatin1Char('-');
        if (!breaks)
            continue;
        if (metrics.horizontalAdvance(m_fullName.left(at)) > room)
            break;
        cut = at;
    }
    if (cut == 0) {
        cut = 1;
        while (cut < m_fullName.size() && metrics.horizontalAdvance(m_fullName.left(cut + 1)) <= room)
            ++cut;
    }
    const QString first = m_fullName.left(cut).trimmed();
    const QString second = metrics.elidedText(m_fullName.mid(cut).trimmed(), Qt::ElideRight, room);
    const int line = metrics.lineSpacing();
    m_name->setGeometry(oneLine.adjusted(0, -line, 0, 0));
    // Over the photo, on the card's own ground, so that the name reads on any picture.
    m_name->setAutoFillBackground(true);
    m_name->setBackgroundRole(QPalette::Base);
    m_name->setText(first + QLatin1Char('\n') + second);
}

void StudentCard::setPhoto(const QPixmap& picture)
{
    if (picture.isNull()) {
        m_photo->clear();
        showInitials();
    } else
        m_photo->setPixmap(picture);
}

bool StudentCard::hasPhoto() const
{
    return !m_photo->pixmap().isNull();
}

QString StudentCard::initialsOf(const QString& name)
{
    // Each card is built with its initials; splitting by hand keeps a class's listing quick.
    QString first;
    QString last;
    qsizetype start = 0;
    while (start < name.size()) {
        while (start < name.size() && name.at(start).isSpace())
            ++start;
        qsizetype end = start;
        while (end < name.size() && !name.at(end).isSpace())
            ++end;
        if (end > start) {
            const QString letter = firstLetter(QStringView(name).mid(start, end - start));
            if (!letter.isEmpty())
                (first.isEmpty() ? first : last) = letter;
        }
        start = end;
    }
    return (first + last).toUpper();
}

void StudentCard::showInitials()
{
    if (!hasPhoto())
        m_photo->setText(initialsOf(m_fullName));
}

void StudentCard::paintPhotoGround()
{
    // A soft neutral between the card's background and its text, so that a class without photos
    // is still quick to scan, in a light or a dark theme.
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    QPalette colours = m_photo->palette();
    colours.setColor(QPalette::Window, mix(base, text, 0.10));
    colours.setColor(QPalette::WindowText, mix(base, text, 0.60));
    m_photo->setPalette(colours);
}

QString StudentCard::status() const
{
    return m_word;
}

void StudentCard::setStatus(const QString& word)
{
    if (m_word != word)
        m_lateMinutes = 0;
    m_word = word;
    showStatusText();
    if (status::isKnown(word))
        m_colourWord = word;
    applyStatusColour();
    describe();
}

void StudentCard::applyStatusColour()
{
    if (const std::optional<QColor> colour = status::cardColour(m_colourWord, palette().color(QPalette::Base)))
        setStatusColour(*colour);
}

QColor StudentCard::statusColour() const
{
    return m_status->palette().color(m_status->foregroundRole());
}

void StudentCard::setStatusColour(const QColor& colour)
{
    if (statusColour() == colour)
        return;
    QPalette palette = m_status->palette();
    palette.setColor(m_status->foregroundRole(), colour);
    m_status->setPalette(palette);
}

void StudentCard::setLateMinutes(int minutes)
{
    m_lateMinutes = status::book().categoryOf(m_word) == status::Category::Late ? std::max(0, minutes) : 0;
    showStatusText();
    describe();
}

void StudentCard::showStatusText()
{
    m_status->setText(m_lateMinutes > 0 ? tr("%1 %2′").arg(status::displayName(m_word)).arg(m_lateMinutes)
                                        : status::displayName(m_word));
}

void StudentCard::setRemark(const QString& remark)
{
    m_remark = remark;
    describe();
    m_overlay->update();
}

void StudentCard::describe()
{
    const QString tip = m_remark.isEmpty() ? m_fullName : tr("%1\nRemark: %2").arg(m_fullName, m_remark);
    setToolTip(tip);
    m_name->setToolTip(tip);
    // What a screen reader says of the card: "Ben Li, Late".
    setAccessibleName(tr("%1, %2").arg(m_fullName, status::displayName(m_word)));
    setAccessibleDescription(m_remark.isEmpty() ? QString() : tr("Remark: %1").arg(m_remark));
}

void StudentCard::copyLookFrom(const StudentCard& other)
{
    setFixedSize(other.size());
    setPalette(other.palette());
    m_name->setFont(other.m_name->font());
    m_status->setFont(other.m_status->font());
    m_status->setToolTip(other.m_status->toolTip());
    m_status->setPalette(other.m_status->palette());
    m_colourWord = other.m_colourWord;
    m_word = other.m_word;
    m_status->setText(other.m_status->text());
    describe();
}

bool StudentCard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            // The press is taken here, so the card takes the focus itself.
            setFocus(Qt::MouseFocusReason);
            Q_EMIT clicked(m_index, watched->objectName());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void StudentCard::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() != Qt::Key_Menu)
        m_menuKeyPressed = false;
    const bool plain = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
    // Each code's key, as the register's codes give them (P, L, A, E; I for Illness, / for the
    // morning's present mark): what the key types, so that a key needing Shift works too.
    if (plain) {
        if (const status::Code* code = status::book().byKey(event->text())) {
            Q_EMIT statusChosen(m_index, code->word);
            return;
        }
    }
    if (plain) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT clicked(m_index, objectName());
            return;
        case Qt::Key_Left:
            Q_EMIT moveRequested(m_index, Move::Left);
            return;
        case Qt::Key_Right:
            Q_EMIT moveRequested(m_index, Move::Right);
            return;
        case Qt::Key_Up:
            Q_EMIT moveRequested(m_index, Move::Up);
            return;
        case Qt::Key_Down:
            Q_EMIT moveRequested(m_index, Move::Down);
            return;
        case Qt::Key_Home:
            Q_EMIT moveRequested(m_index, Move::First);
            return;
        case Qt::Key_End:
            Q_EMIT moveRequested(m_index, Move::Last);
            return;
        default:
            break;
        }
    }
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // Some platforms follow the menu key with a menu event of their own, others do not.
        m_menuKeyPressed = event->key() == Qt::Key_Menu;
        Q_EMIT menuRequested(m_index, mapToGlobal(rect().center()));
        return;
    }
    // Page keys and the rest go on to the card area, which scrolls.
    QFrame::keyPressEvent(event);
}

void StudentCard::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key's own menu is open or was shown already.
        if (std::exchange(m_menuKeyPressed, false))
            return;
        Q_EMIT menuRequested(m_index, mapToGlobal(rect().center()));
        return;
    }
    Q_EMIT menuRequested(m_index, event->globalPos());
}

void StudentCard::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    m_overlay->update();
    Q_EMIT focusEntered(m_index);
}

void StudentCard::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    m_overlay->update();
}

void StudentCard::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // A new theme: the status and the initials take shades that read on the new background.
        applyStatusColour();
        paintPhotoGround();
    } else if (event->type() == QEvent::FontChange) {
        showName();
    }
}

void StudentCard::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_overlay->setGeometry(rect());
}
