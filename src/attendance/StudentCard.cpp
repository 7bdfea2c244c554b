#include "attendance/StudentCard.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr auto kIndexProperty = "cardIndex";
constexpr auto kTagProperty = "tag";
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
    for (QObject* element : {static_cast<QObject*>(this), static_cast<QObject*>(m_photo),
             static_cast<QObject*>(m_name), static_cast<QObject*>(m_status)})
        element->setProperty(kIndexProperty, index);

    setFixedSize(kWidth, kHeight);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);

    // Photo 1420 by 1455 twips at the top; the name label overlaps its lowest 15 twips.
    m_photo->setGeometry(0, 0, 95, 97);
    m_photo->setScaledContents(true);
    m_name->setGeometry(0, 96, 95, 17);
    m_status->setGeometry(0, 112, 95, 17);
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
    for (QWidget* element : {static_cast<QWidget*>(m_photo), static_cast<QWidget*>(m_name),
             static_cast<QWidget*>(m_status)})
        element->installEventFilter(this);
}

qint64 StudentCard::studentId() const
{
    return m_name->property(kTagProperty).toString().toLongLong();
}

void StudentCard::setStudent(qint64 id, const QString& name)
{
    m_name->setText(name);
    m_name->setToolTip(name);
    m_name->setProperty(kTagProperty, QString::number(id));
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
    return m_status->palette().color(QPalette::WindowText);
}

void StudentCard::setStatusColour(const QColor& colour)
{
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText, colour);
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
            Q_EMIT clicked(m_index);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
