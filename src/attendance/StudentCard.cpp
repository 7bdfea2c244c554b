#include "attendance/StudentCard.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace {
constexpr auto kIndexProperty = "cardIndex";
constexpr auto kTagProperty = "tag";

// Positions inside the card are measured from inside its one-pixel border, as the card's own
// coordinates are.
constexpr int kBorder = 1;
} // namespace

StudentCard::StudentCard(int index, QWidget* parent)
    : QFrame(parent)
    , m_index(index)
    , m_photo(new QLabel(this))
    , m_name(new QLabel(this))
    , m_status(new QLabel(this))
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

    // Photo at the top (0, 0); name at 1440 and status at 1680 twips, each 255 twips high, so
    // the name label overlaps the photo's lowest 15 twips.
    m_photo->setGeometry(kBorder, kBorder, kPhotoSize.width(), kPhotoSize.height());
    m_photo->setScaledContents(true);
    m_name->setGeometry(kBorder, kBorder + 96, kPhotoSize.width(), 17);
    m_status->setGeometry(kBorder, kBorder + 112, kPhotoSize.width(), 17);
    m_photo->lower();

    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPointSizeF(8.25);
    nameFont.setBold(false);
    m_name->setFont(nameFont);
    m_name->setAlignment(Qt::AlignCenter);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setText(QStringLiteral("Present"));
    m_status->setToolTip(tr("Double Click To Change The Status"));
    for (QLabel* label : {m_name, m_status}) {
        label->setAutoFillBackground(false);
        label->setForegroundRole(QPalette::Text);
    }
    setStatusColour(Qt::black);
    for (QWidget* element :
        {static_cast<QWidget*>(m_photo), static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_status)})
        element->installEventFilter(this);
}

qint64 StudentCard::studentId() const
{
    return m_name->property(kTagProperty).toString().toLongLong();
}

QString StudentCard::studentName() const
{
    return m_name->text();
}

void StudentCard::setStudent(qint64 id, const QString& name)
{
    m_name->setText(name);
    m_name->setToolTip(name);
    m_name->setProperty(kTagProperty, QString::number(id));
}

void StudentCard::setPhoto(const QPixmap& picture)
{
    if (picture.isNull())
        m_photo->clear();
    else
        m_photo->setPixmap(picture);
}

bool StudentCard::hasPhoto() const
{
    return !m_photo->pixmap().isNull();
}

QString StudentCard::status() const
{
    return m_status->text();
}

void StudentCard::setStatus(const QString& status)
{
    m_status->setText(status);
}

QColor StudentCard::statusColour() const
{
    return m_status->palette().color(m_status->foregroundRole());
}

void StudentCard::setStatusColour(const QColor& colour)
{
    QPalette palette = m_status->palette();
    palette.setColor(m_status->foregroundRole(), colour);
    m_status->setPalette(palette);
}

void StudentCard::copyLookFrom(const StudentCard& other)
{
    setFixedSize(other.size());
    setPalette(other.palette());
    m_name->setFont(other.m_name->font());
    m_status->setFont(other.m_status->font());
    m_status->setToolTip(other.m_status->toolTip());
    m_status->setPalette(other.m_status->palette());
    m_status->setText(other.m_status->text());
}

bool StudentCard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            Q_EMIT clicked(m_index, watched->objectName());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
