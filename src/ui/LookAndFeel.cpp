#include "ui/LookAndFeel.h"

#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "core/StatusWords.h"
#include "ui/SkinFramework.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>
#include <QtEndian>

// The icon lives in the core library, which the linker would otherwise leave out of the program.
static int registerIcons()
{
    Q_INIT_RESOURCE(rollvane);
    return 0;
}
[[maybe_unused]] static const int iconsRegistered = registerIcons();

namespace look {
namespace {

constexpr auto kPointerCodeProperty = "rollvanePointerCode";
constexpr auto kCustomCursorProperty = "rollvaneCustomCursor";

// The texts of this file, under the context translators find them in.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LookAndFeel)
};

class HoverFilter : public QObject
{
public:
    explicit HoverFilter(QWidget* window)
        : QObject(window)
        , m_window(window)
    { }

    void watch(QWidget* widget, int code)
    {
        m_codes.insert(widget, code);
        widget->setMouseTracking(true);
        widget->removeEventFilter(this);
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { m_codes.remove(gone); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const auto* move = static_cast<QMouseEvent*>(event);
            // A move that a child does not accept is handed on to its parent; only the widget
            // under the pointer itself may set the pointer, or an unlisted control on a frame,
            // or a push button on the window, would count as the frame or the window.
            if (!widget->childAt(move->position().toPoint()) && m_window && pointerCode(m_window) != kBusyPointer)
                setPointerCode(m_window, m_codes.value(widget, kDefaultPointer));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
    QHash<QObject*, int> m_codes;
};

bool takesStandardColour(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget);
}

// A frame holds controls of its own; every other control's children are parts of it.
bool isContainer(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) || type == &QWidget::staticMetaObject
        || type == &QFrame::staticMetaObject;
}

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintStandardColours(QWidget* window)
{
    // The platform's colour of button faces, whatever colour scheme the desktop uses.
    const QColor standard = QGuiApplication::palette().color(QPalette::Button);
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    // Qt hands a window's background on to every control that paints one and has no colour of
    // its own; those keep the colour they were designed with.
    for (QWidget* control : controls) {
        if (!takesStandardColour(control) && !control->isWindow() && control->autoFillBackground()
            && control->backgroundRole() == QPalette::Window)
            paintBackground(control, control->palette().color(QPalette::Window));
    }
    paintBackground(window, standard);
    for (QWidget* control : controls) {
        if (takesStandardColour(control) && !control->isWindow())
            setBackground(control, standard);
    }
}

// A cursor file keeps the pointer's hot spot in its directory entry, where an icon file keeps
// colour counts; Qt reads the picture but not the hot spot.
QPoint cursorHotSpot(const QString& path, const QSize& size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QPoint(0, 0);
    const QByteArray head = file.read(14);
    if (head.size() < 14 || qFromLittleEndian<quint16>(head.constData()) != 0
        || qFromLittleEndian<quint16>(head.constData() + 2) != 2)
        return QPoint(0, 0);
    const int x = qFromLittleEndian<quint16>(head.constData() + 10);
    const int y = qFromLittleEndian<quint16>(head.constData() + 12);
    return QPoint(qBound(0, x, qMax(0, size.width() - 1)), qBound(0, y, qMax(0, size.height() - 1)));
}

} // namespace

void setBackground(QWidget* widget, const QColor& colour)
{
    paintBackground(widget, colour);
    // A frame's title and a label's text are drawn in the palette's window text, which a dark
    // desktop makes light: on a light background of the program's own they would vanish.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, status::readableText(palette.color(QPalette::WindowText), colour));
    widget->setPalette(palette);
}

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
        // Without a pointer file the platform's own pointing hand stands in.
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
    , m_previousCode(pointerCode(window))
{
    setPointerCode(m_window, kBusyPointer);
}

BusyPointer::~BusyPointer()
{
    setPointerCode(m_window, m_previousCode == kBusyPointer ? kBusyPointer : kDefaultPointer);
}

bool isNormalFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

void ApplySkin(QWidget* mainWindow)
{
    const QString path = skinFilePath();
    if (!isNormalFile(path))
        return;
    paintStandardColours(mainWindow);
    auto* skin = mainWindow->findChild<SkinFramework*>(QStringLiteral("SkinFramework1"), Qt::FindDirectChildrenOnly);
    if (!skin)
        skin = new SkinFramework(mainWindow);
    skin->loadSkin(path, QString());
    skin->setOptions(skin->options() | SkinFramework::SkinLaterWindows);
    skin->setEnabled(true);
    skin->applyWindow(mainWindow);
}

void ApplyStandardColours(QWidget* window)
{
    paintStandardColours(window);
    if (SkinFramework* skin = SkinFramework::active())
        skin->applyWindow(window);
}

void LoadHandPointer(QWidget* window)
{
    const QString path = handPointerPath();
    if (!FileExists(path))
        return;
    const QPixmap picture(path);
    if (picture.isNull())
        throw Failure(Text::tr("The pointer file %1 is not a cursor picture.").arg(QDir::toNativeSeparators(path)));
    const QPoint hotSpot = cursorHotSpot(path, picture.size());
    window->setProperty(kCustomCursorProperty, QVariant::fromValue(QCursor(picture, hotSpot.x(), hotSpot.y())));
    if (pointerCode(window) == kCustomPointer)
        setPointerCode(window, kCustomPointer);
}

void installHoverPointers(QWidget* window, const QList<QWidget*>& defaultControls, const QList<QWidget*>& handControls)
{
    // A window loaded again keeps its one filter; a second would only repeat the first.
    HoverFilter* filter = nullptr;
    for (QObject* child : window->children()) {
        if ((filter = dynamic_cast<HoverFilter*>(child)))
            break;
    }
    if (!filter)
        filter = new HoverFilter(window);
    filter->watch(window, kDefaultPointer);
    auto watchControl = [filter](QWidget* control, int code) {
        filter->watch(control, code);
        if (isContainer(control))
            return;
        for (QWidget* part : control->findChildren<QWidget*>()) {
            if (!part->isWindow())
                filter->watch(part, code);
        }
    };
    for (QWidget* control : defaultControls)
        watchControl(control, kDefaultPointer);
    for (QWidget* control : handControls)
        watchControl(control, kCustomPointer);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/rollvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace look
