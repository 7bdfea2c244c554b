#pragma once

#include <QDialog>
#include <QImage>

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The student editor (Form3): a modal dialog that adds a student to a class or rewrites one.
// The title tells the modes apart: "Add Student" as it opens, "Edit Student" when the caller
// sets it.
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
    void setClassId(std::optional<qint64> classId) { m_ClassID = classId; }
    void setStudentId(qint64 studentId) { m_StudentID = studentId; }
    void setStudentName(const QString& name);
    // Shows a picture in the photo box without choosing it for storage.
    void setPhoto(const QImage& picture);

    QString studentName() const;
    const QImage& photo() const { return m_picture; }
    const QString& imagePath() const { return m_ImagePath; }
    bool isAddMode() const;

    void PushButton1_Click(); // Save
    void PushButton2_Click(); // Cancel
    void PushButton3_Click(); // Select Image

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void load();
    void showPicture();

    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton3 = nullptr;

    std::optional<qint64> m_ClassID;
    qint64 m_StudentID = 0;
    QString m_ImagePath;
    // What the photo box shows, at the size it was read.
    QImage m_picture;
    // The picture read from m_ImagePath; null when that file could not be read, so that Save
    // never stores the bytes of a picture shown before it.
    QImage m_chosenPicture;
};
