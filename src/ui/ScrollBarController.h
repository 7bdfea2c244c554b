#pragma once

#include "ui/Subclasser.h"
#include "ui/WindowMessages.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

class QWidget;

// Gives one widget a horizontal (bar 0) and a vertical (bar 1) scroll bar that its owner drives.
// The controller keeps the line steps and the last values it was given; range, page and position
// live in the widget's own bars (see windowbars) and are read and written there on every access.
// Scroll, wheel and bar-press messages of the widget come to WindowProc through the Subclasser
// and are reported as signals. The controller moves no content: its owner listens to Scroll and
// Change and moves what the widget shows.
//
// Properties map onto the bar's record: Min = nMin, LargeChange = nPage, Max = nMax - nPage,
// Value = nPos; so a page step can carry Value to Max + 1, the last position the bar holds.
// Line steps, SB_TOP and SB_BOTTOM stop at Min and Max.
//
// Codes: bar 0 horizontal, 1 vertical (others throw std::out_of_range); orientation 0 horizontal
// only, 1 vertical only, 2 both; style 0 regular, 1 encarta, 2 flat (FSB_ modes).
// Sums that do not fit 32 bits throw std::overflow_error and change nothing.
class ScrollBarController : public QObject, public ISubclass
{
    Q_OBJECT

public:
    explicit ScrollBarController(QObject* parent = nullptr);
    ~ScrollBarController() override;

    // The last value written for the bar; false until written, whatever the widget shows.
    bool Visible(int eBar) const;
    void setVisible(int eBar, bool bState);

    int Orientation() const { return m_eOrientation; }
    // Shows the bars the orientation names and hides the others; Visible keeps its values.
    void setOrientation(int eOrientation);

    int Style() const { return m_eStyle; }
    // A non-regular style on a system without flat bars is ignored.
    void setStyle(int eStyle);

    int SmallChange(int eBar) const;
    void setSmallChange(int eBar, int lSmallChange);

    bool Enabled(int eBar) const;
    void setEnabled(int eBar, bool bEnabled);

    int Min(int eBar) const;
    // Keeps Max; raises nothing.
    void setMin(int eBar, int iMin);
    int Max(int eBar) const;
    // Keeps Min and LargeChange; reports the value as Change when the new range moved it.
    void setMax(int eBar, int iMax);
    int Value(int eBar) const;
    // Writing the value the bar already has does nothing; otherwise reports as Change.
    void setValue(int eBar, int iValue);
    int LargeChange(int eBar) const;
    // Keeps Max; raises nothing.
    void setLargeChange(int eBar, int iLargeChange);

    bool CanBeFlat() const { return !m_bFlatUnavailable; }

    // Drives hWndA's bars from now on, after letting go of any widget driven before (its flat
    // looks end and its messages are unhooked). Create(nullptr) only lets go. Does not show or
    // hide a bar: write Visible or Orientation for that.
    void Create(QWidget* hWndA);

    QWidget* window() const { return m_hWndTarget; }
    // Lines per wheel notch: the system's setting when the widget was attached, 3 when that is
    // 0 or less; 0 before any widget is attached.
    int wheelLines() const { return m_lWheelLines; }

    // ISubclass.
    int MsgResponse() const override { return 1; }
    void setMsgResponse(int /*RHS*/) override { }
    qint32 WindowProc(QWidget* hwnd, int iMsg, quintptr wParam, qintptr lParam) override;

Q_SIGNALS:
    // A left (eButton 1) or right (2) press on one of the widget's bars.
    void ScrollClick(int eBar, int eButton);
    // The bar's value changed while its thumb was tracked and nothing reported it yet.
    void Scroll(int eBar);
    // The bar's value changed.
    void Change(int eBar);
    // A wheel turn, before anything scrolls: lAmount is what will be added to the value of bar
    // eBar. A handler may change both, e.g. set lAmount to 0 to stop the scroll or eBar to 0 to
    // scroll the horizontal bar. The arguments are references, so connect only with a direct
    // connection (the default for an object on the same thread); the controller reads them back
    // after every handler has run.
    void MouseWheel(int& eBar, int& lAmount);

private:
    enum class Report { AsScroll, AsChange };

    void ReadBarInfo(int eBar, ScrollInfo& info, int mask) const;
    void WriteBarInfo(int eBar, ScrollInfo& info, int mask);
    void ApplyOrientation();
    void ReportValue(int eBar, Report as);
    void StartFlatBars();
    void AttachWindow();
    void DetachWindow();
    bool flatBarsInUse() const { return !m_bFlatUnavailable; }
    void handleScroll(int eBar, int request);
    qint32 handleWheel(quintptr wParam);

    static std::size_t index(int eBar);

    int m_eOrientation = 2;
    int m_eStyle = winmsg::FSB_REGULAR_MODE;
    bool m_bFlatUnavailable = false;
    QPointer<QWidget> m_hWndTarget;
    std::array<int, 2> m_lSmallChange {1, 1};
    std::array<bool, 2> m_bEnabled {false, false};
    std::array<bool, 2> m_bVisible {false, false};
    int m_lWheelLines = 0;
    std::array<int, 2> m_lLastReported {0, 0};
};
