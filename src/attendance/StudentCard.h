#pragma once

#include <QFrame>

class QLabel;
class QPixmap;

// One student's card on the main window: the box (Picture1), the stretched photo (Image1), the
// name label (lblStudentName) and the status label (lblStatus), all with the card's index.
class StudentCard : public QFrame
{
    Q_OBJECT

public:
    // Card size in pixels: 1455 by 1965 twips.
    static constexpr int kWidth = 97;
    static constexpr int kHeight = 131;
    // The photo area: 1420 by 1455 twips.
    static constexpr QSize kPhotoSize {95, 97};

    StudentCard(int index, QWidget* parent);

    int index() const { return m_index; }

    QLabel* photo() const { return m_photo; }
    QLabel* nameLabel() const { return m_name; }
    QLabel* statusLabel() const { return m_status; }

    // The student's id, carried on the name label as its tag.
    qint64 studentId() const;
    QString studentName() const;
    void setStudent(qint64 id, const QString& name);

    // A null picture leaves the photo area empty.
    void setPhoto(const QPixmap& picture);
    bool hasPhoto() const;

    QString status() const;
    void setStatus(const QString& status);
    QColor statusColour() const;
    void setStatusColour(const QColor& colour);

    // Copies size, colours, fonts, tooltip and status of another card (the template).
    void copyLookFrom(const StudentCard& other);

Q_SIGNALS:
    // A press on the photo, the name or the status, with the object name of the element that
    // was pressed. The second press of a double click arrives as a double click and is not one,
    // so a double click advances the status once.
    void clicked(int index, const QString& element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_index;
    QLabel* m_photo;
    QLabel* m_name;
    QLabel* m_status;
};
