#pragma once

#include <QDialog>
#include <QImage>

#include <optional>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The student editor (Form3): a modal dialog that adds a student to a class or rewrites one.
// The title tells the modes apart: "Add Student" as it opens, "Edit Student" when the caller
// sets it. Below the photo, the class chooser: the class the student joins (or moves to) and the
// day from which.
class StudentEditor : public QDialog
{
    Q_OBJECT

public:
    // The file filter of Select Image, in the dialogs layer's "description|patterns|" form.
    // Upper-case names (IMG_0001.JPG) are listed as well: the dialogs layer matches names in any
    // case.
    static constexpr auto kImageFilter
        = "Image Files (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp)|*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp|";

    // Creating the editor runs its load.
    explicit StudentEditor(QWidget* parent = nullptr);

    // The caller's values, set before the editor is shown.
    // The class the caller opened the editor for; the chooser starts on it.
    void setClassId(std::optional<qint64> classId);
    void setStudentId(qint64 studentId) { m_StudentID = studentId; }
    void setStudentName(const QString& name);
    // Shows a picture in the photo box without choosing it for storage.
    void setPhoto(const QImage& picture);

    QString studentName() const;
    const QImage& photo() const { return m_picture; }
    const QString& imagePath() const { return m_ImagePath; }
    bool isAddMode() const;
    // The chooser's class, and the day the student joins it (add) or moves to it (edit); an
    // invalid day is "from the beginning".
    std::optional<qint64> chosenClassId() const;
    QDate chosenFrom() const;

    void PushButton1_Click(); // Save
    void PushButton2_Click(); // Cancel
    void PushButton3_Click(); // Select Image

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void load();
    void showPicture();
    void fillClasses();
    void classChosen();

    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton3 = nullptr;
    QGroupBox* m_classFrame = nullptr;
    QComboBox* m_classBox = nullptr;
    QLabel* m_fromLabel = nullptr;
    QDateEdit* m_fromBox = nullptr;

    std::optional<qint64> m_ClassID;
    qint64 m_StudentID = 0;
    QString m_ImagePath;
    // What the photo box shows, at the size it was read.
    QImage m_picture;
    // The picture read from m_ImagePath; null when that file could not be read, so that Save
    // never stores the bytes of a picture shown before it.
    QImage m_chosenPicture;
};
