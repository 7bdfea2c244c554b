#include "app/LookAndFeel.h"

#include "app/Failure.h"
#include "app/SharedRoutines.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

namespace look {
namespace {

constexpr auto kPointerCodeProperty = "rollvanePointerCode";
constexpr auto kCustomCursorProperty = "rollvaneCustomCursor";

class HoverFilter : public QObject
{
public:
    HoverFilter(QWidget* window, int code)
        : QObject(window)
        , m_window(window)
        , m_code(code)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter
            || event->type() == QEvent::HoverMove) {
            if (pointerCode(m_window) != kBusyPointer)
                setPointerCode(m_window, m_code);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    int m_code;
};

void paintStandard(QWidget* widget)
{
    QPalette palette = widget->palette();
    const QColor standard = palette.color(QPalette::Button);
    palette.setColor(QPalette::Window, standard);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool takesStandardColour(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget);
}

} // namespace

int pointerCode(const QWidget* window)
{
    return window->property(kPointerCodeProperty).toInt();
}

void setPointerCode(QWidget* window, int code)
{
    window->setProperty(kPointerCodeProperty, code);
    switch (code) {
    case kBusyPointer:
        window->setCursor(Qt::WaitCursor);
        break;
    case kCustomPointer: {
        const QVariant custom = window->property(kCustomCursorProperty);
        window->setCursor(custom.isValid() ? custom.value<QCursor>() : QCursor(Qt::PointingHandCursor));
        break;
    }
    default:
        window->unsetCursor();
        break;
    }
}

BusyPointer::BusyPointer(QWidget* window)
    : m_window(window)
{
    setPointerCode(m_window, kBusyPointer);
}

BusyPointer::~BusyPointer()
{
    setPointerCode(m_window, kDefaultPointer);
}

void ApplySkin(QWidget* mainWindow)
{
    const QString path = skinFilePath();
    const QFileInfo info(path);
    if (!info.isFile() || info.isHidden())
        return;
    paintStandard(mainWindow);
    for (QWidget* child : mainWindow->findChildren<QWidget*>()) {
        if (takesStandardColour(child))
            paintStandard(child);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QCoreApplication::translate("LookAndFeel", "The skin file %1 cannot be read: %2")
                          .arg(path, file.errorString()));
    mainWindow->setStyleSheet(QString::fromUtf8(file.readAll()));
}

void ApplyStandardColours(QWidget* window)
{
    paintStandard(window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (takesStandardColour(child))
            paintStandard(child);
    }
}

void LoadHandPointer(QWidget* window)
{
    const QString path = handPointerPath();
    if (!FileExists(path))
        return;
    const QPixmap picture(path);
    if (picture.isNull())
        throw Failure(QCoreApplication::translate("LookAndFeel", "The pointer file %1 cannot be read.").arg(path));
    window->setProperty(kCustomCursorProperty, QVariant::fromValue(QCursor(picture, 0, 0)));
}

void installHoverPointers(QWidget* window, const QList<QWidget*>& defaultControls, const QList<QWidget*>& handControls)
{
    auto* toDefault = new HoverFilter(window, kDefaultPointer);
    auto* toHand = new HoverFilter(window, kCustomPointer);
    window->setMouseTracking(true);
    window->installEventFilter(toDefault);
    for (QWidget* control : defaultControls) {
        control->setMouseTracking(true);
        control->installEventFilter(toDefault);
    }
    for (QWidget* control : handControls) {
        control->setMouseTracking(true);
        control->installEventFilter(toHand);
    }
}

} // namespace look
