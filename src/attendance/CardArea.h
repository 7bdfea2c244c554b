#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;
class ScrollBarController;

// The main window's card area: the viewport picScrollBox with its vertical scroll bar, driven by
// the controller m_cScroll, and the canvas picClient that carries the cards and moves inside the
// viewport so that the bar's value, in pixels, is how far the canvas is shifted up.
//
// How the main window uses it:
//   - start-up, one call per step of the load handler:
//       148 createController()   150 attachToViewport()
//       152 showVerticalBar()    154 removeViewportBorder()
//     (create() runs the four in order, for owners without numbered steps);
//   - 158, and after every card listing: fitToCards(last card, distance between row tops).
//
// fitToCards makes the canvas reach below the last card and sets the bar so that every row can be
// brought into view: Max lets the bottom row reach the viewport's bottom, a page is one viewport,
// and a wheel notch moves about one row. The scroll position survives a rebuild while the new
// listing still reaches it; when the new listing is shorter it is clamped, bringing the canvas
// back into view. The keyboard scrolls too while the viewport has the focus (a click on a card
// gives it the focus).
class CardArea : public QObject
{
    Q_OBJECT

public:
    CardArea(QWidget* picScrollBox, QWidget* picClient, QObject* parent = nullptr);
    ~CardArea() override;

    void createController();
    // These three throw Failure when the controller was not created.
    void attachToViewport();
    void showVerticalBar();
    void removeViewportBorder();
    void create();

    // lastCard: the card with the highest index (a child of the canvas; may be hidden, may be
    // null for no card at all). rowPitchPx: the distance between the tops of two card rows.
    void fitToCards(const QWidget* lastCard, int rowPitchPx);
    // Scrolls, through the bar, as little as brings the card (a child of the canvas) wholly into
    // view, with the gap between rows around it where there is room.
    void ensureVisible(const QWidget* card);

    // The controller (m_cScroll), null before createController.
    ScrollBarController* controller() const { return m_cScroll.get(); }
    QWidget* viewport() const { return m_picScrollBox; }
    QWidget* canvas() const { return m_picClient; }

public Q_SLOTS:
    void m_cScroll_Scroll(int eBar);
    void m_cScroll_Change(int eBar);

private:
    void moveCanvas(int eBar);
    ScrollBarController& requireController() const;

    QPointer<QWidget> m_picScrollBox;
    QPointer<QWidget> m_picClient;
    std::unique_ptr<ScrollBarController> m_cScroll;
    int m_rowGap = 0;
};
