#pragma once

#include "core/Photo.h"

#include <QFrame>

class QLabel;
class QPixmap;

// One student's card on the main window: the box (Picture1), the photo (Image1), the name label
// (lblStudentName) and the status label (lblStatus), all with the card's index.
//
// The card keeps the status word as the register stores it; the label shows it in the user's
// language. It takes the keyboard focus (a clear frame shows which card has it) and turns keys
// into requests its window carries out, so that a register can be taken without the mouse.
class StudentCard : public QFrame
{
    Q_OBJECT

public:
    // Card size in pixels: 1455 by 1965 twips.
    static constexpr int kWidth = 97;
    static constexpr int kHeight = 131;
    // The photo area: 1420 by 1455 twips, which the register's card pictures are made for.
    static constexpr QSize kPhotoSize = kCardPhotoSize;

    // What a key asks of the window: a move to another card.
    enum class Move { Left, Right, Up, Down, First, Last };

    StudentCard(int index, QWidget* parent);

    int index() const { return m_index; }

    QLabel* photo() const { return m_photo; }
    QLabel* nameLabel() const { return m_name; }
    QLabel* statusLabel() const { return m_status; }

    // The student's id, carried on the name label as its tag.
    qint64 studentId() const;
    // The whole name, however much of it the label has room for.
    QString studentName() const;
    void setStudent(qint64 id, const QString& name);

    // A null picture shows the student's initials in the photo area.
    void setPhoto(const QPixmap& picture);
    bool hasPhoto() const;
    // "BL" for "Ben Li": the first letter of the first and of the last word.
    static QString initialsOf(const QString& name);

    // The stored word, never its translation.
    QString status() const;
    // Shows the word; a word the program knows also takes its colour, any other word keeps the
    // colour the label had.
    void setStatus(const QString& word);
    QColor statusColour() const;
    void setStatusColour(const QColor& colour);

    // The student's remark for the day; empty for none.
    QString remark() const { return m_remark; }
    void setRemark(const QString& remark);
    // How many minutes late a Late mark came; 0 for none. Shown beside the status.
    int lateMinutes() const { return m_lateMinutes; }
    void setLateMinutes(int minutes);

    // Copies size, colours, fonts, tooltip and status of another card (the template).
    void copyLookFrom(const StudentCard& other);

Q_SIGNALS:
    // A press on the photo, the name or the status, with the object name of the element that
    // was pressed; Space and Enter on the focused card count as a press on the card. The second
    // press of a double click arrives as a double click and is not one, so a double click
    // advances the status once.
    void clicked(int index, const QString& element);
    // P, L, A or E: the status word to set.
    void statusChosen(int index, const QString& word);
    void moveRequested(int index, StudentCard::Move move);
    // The right button or the menu key, with where the menu belongs on the screen.
    void menuRequested(int index, const QPoint& globalPos);
    void focusEntered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showName();
    void showInitials();
    void paintPhotoGround();
    void applyStatusColour();
    void showStatusText();
    void describe();

    int m_index;
    QLabel* m_photo;
    QLabel* m_name;
    QLabel* m_status;
    QWidget* m_overlay; // the focus frame and the remark's mark, above everything else
    QString m_fullName;
    QString m_word;
    // The known word whose colour the label shows; a word of another tool leaves it as it was.
    QString m_colourWord;
    QString m_remark;
    int m_lateMinutes = 0;
    bool m_menuKeyPressed = false;
};
