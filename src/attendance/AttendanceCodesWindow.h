#pragma once

#include "core/StatusWords.h"

#include <QWidget>

class QTableWidget;
class QPushButton;

// Setup → Attendance Codes…: what each stored word means. The four words keep their meaning;
// England's national codes can be added in one go; a word another tool wrote ("Sick") can be
// found in the register and given a category. Nothing is written until Save, and then in one
// transaction; the cards and reports learn of it through the register's codesChanged.
class AttendanceCodesWindow : public QWidget
{
    Q_OBJECT

public:
    static AttendanceCodesWindow* showShared(QWidget* parent);
    static AttendanceCodesWindow* instance();

    // The codes as the table holds them now, words without a category left out.
    QList<status::Code> codes() const;
    // Puts England's codes into the table beside those there (a word already there is kept).
    void addEngland();
    // Adds a row for every stored word nobody has given a meaning, with how many marks hold it.
    void findWords();
    void addCode();
    void removeSelected();
    // Checks and writes the table; false (and a message saying what is wrong) when it cannot.
    bool save();

private:
    explicit AttendanceCodesWindow(QWidget* parent);
    void load(const QList<status::Code>& codes);
    void appendRow(const status::Code& code, bool builtIn, const QString& marks = QString());
    bool hasWord(const QString& word) const;
    // What is wrong with the table, in plain words; empty when it can be saved.
    QString problem() const;

    QTableWidget* m_table = nullptr;
    QPushButton* m_save = nullptr;
};
