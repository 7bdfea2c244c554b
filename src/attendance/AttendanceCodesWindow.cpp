#include "attendance/AttendanceCodesWindow.h"

#include "core/Failure.h"
#include "register/Database.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/SharedWindow.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { CodeColumn, WordColumn, CategoryColumn, KeyColumn, ColourColumn, MarksColumn, ColumnCount };

constexpr int kColourRole = Qt::UserRole + 1;
constexpr int kBuiltInRole = Qt::UserRole + 2;

QString location(const char* handler)
{
    return QStringLiteral("AttendanceCodes.%1").arg(QLatin1String(handler));
}

// Keys a card uses for itself (moving, clicking) cannot set a code.
bool isCardKey(const QString& key)
{
    return key.trimmed().isEmpty();
}

void showColour(QTableWidgetItem* item, const QColor& colour)
{
    item->setData(kColourRole, colour);
    item->setBackground(colour);
    item->setToolTip(
        QCoreApplication::translate("AttendanceCodesWindow", "%1; double-click to change it").arg(colour.name()));
}

} // namespace

AttendanceCodesWindow* AttendanceCodesWindow::showShared(QWidget* parent)
{
    return SharedWindow<AttendanceCodesWindow>::show([parent] { return new AttendanceCodesWindow(parent); },
        [](AttendanceCodesWindow* window) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            centreOnScreen(window);
        });
}

AttendanceCodesWindow* AttendanceCodesWindow::instance()
{
    return SharedWindow<AttendanceCodesWindow>::instance();
}

AttendanceCodesWindow::AttendanceCodesWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAttendanceCodes"));
    setWindowTitle(tr("Attendance Codes"));
    setWindowIcon(QApplication::windowIcon());
    auto* intro = new QLabel(tr("What each mark means for the figures. Present, Late, Absent and Excused keep their "
                                "meaning; a word without a category counts as Other, a possible session neither "
                                "attended nor missed. Double-click a colour to change it."),
        this);
    intro->setWordWrap(true);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("tblCodes"));
    m_table->setHorizontalHeaderLabels(
        {tr("Code"), tr("Word Stored"), tr("Category"), tr("Key"), tr("Colour"), tr("Marks")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(WordColumn, QHeaderView::Stretch);
    // The category's whole name shows in its box, in every language.
    QComboBox sample;
    for (status::Category each : status::categories())
        sample.addItem(status::categoryName(each));
    sample.addItem(status::categoryName(status::Category::Unknown));
    m_table->horizontalHeader()->resizeSection(CategoryColumn, sample.sizeHint().width());
    m_table->horizontalHeader()->resizeSection(CodeColumn, fontMetrics().horizontalAdvance(tr("Code")) + 24);
    m_table->horizontalHeader()->resizeSection(KeyColumn, fontMetrics().horizontalAdvance(tr("Key")) + 24);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column != ColourColumn)
            return;
        QTableWidgetItem* item = m_table->item(row, column);
        const QColor chosen = QColorDialog::getColor(item->data(kColourRole).value<QColor>(), this, tr("Colour"));
        if (chosen.isValid())
            showColour(item, chosen);
    });

    const auto button = [this](const char* name, const QString& text, void (AttendanceCodesWindow::*handler)()) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QLatin1String(name));
        connect(made, &QPushButton::clicked, this,
            [this, handler] { reportFailures(location("Button_Click"), [this, handler] { (this->*handler)(); }); });
        return made;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdAdd", tr("&Add Code"), &AttendanceCodesWindow::addCode));
    buttons->addWidget(button("cmdRemove", tr("&Remove Code"), &AttendanceCodesWindow::removeSelected));
    buttons->addWidget(button("cmdEngland", tr("Add &England's Codes"), &AttendanceCodesWindow::addEngland));
    buttons->addWidget(button("cmdFindWords", tr("&Find Words in the Register"), &AttendanceCodesWindow::findWords));
    buttons->addStretch();
    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    connect(m_save, &QPushButton::clicked, this, [this] {
        reportFailures(location("Save_Click"), [this] {
            if (save())
                close();
        });
    });
    auto* cancel = new QPushButton(tr("Close"), this);
    cancel->setObjectName(QStringLiteral("cmdClose"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(900, 560);
    load(db::attendanceCodes());
}

void AttendanceCodesWindow::load(const QList<status::Code>& codes)
{
    m_table->setRowCount(0);
    for (const status::Code& code : codes)
        appendRow(code, status::known().contains(code.word, Qt::CaseInsensitive));
}

void AttendanceCodesWindow::appendRow(const status::Code& code, bool builtIn, const QString& marks)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const auto cell = [&](int column, const QString& text, bool editable) {
        auto* item = new QTableWidgetItem(text);
        if (!editable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setData(kBuiltInRole, builtIn);
        m_table->setItem(row, column, item);
        return item;
    };
    cell(CodeColumn, code.code, true);
    cell(WordColumn, code.word, !builtIn)
        ->setToolTip(builtIn ? tr("One of the four words: its meaning is fixed") : QString());
    cell(KeyColumn, code.key, !builtIn);
    QTableWidgetItem* colour = cell(ColourColumn, QString(), false);
    showColour(colour, code.colour.isValid() ? code.colour : status::CodeBook::categoryColour(code.category));
    cell(MarksColumn, marks, false)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* category = new QComboBox(m_table);
    category->setObjectName(QStringLiteral("cboCategory%1").arg(row));
    for (status::Category each : status::categories())
        category->addItem(status::categoryName(each), int(each));
    category->addItem(status::categoryName(status::Category::Unknown), int(status::Category::Unknown));
    category->setCurrentIndex(category->findData(int(code.category)));
    category->setEnabled(!builtIn);
    connect(category, &QComboBox::currentIndexChanged, this, [this, category, colour] {
        // A code still in its category's colour follows the category it is given.
        const auto chosen = status::Category(category->currentData().toInt());
        showColour(colour, status::CodeBook::categoryColour(chosen));
        Q_UNUSED(this);
    });
    m_table->setCellWidget(row, CategoryColumn, category);
}

bool AttendanceCodesWindow::hasWord(const QString& word) const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, WordColumn)->text().trimmed().compare(word, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QList<status::Code> AttendanceCodesWindow::codes() const
{
    QList<status::Code> codes;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        status::Code code;
        code.code = m_table->item(row, CodeColumn)->text().trimmed();
        code.word = m_table->item(row, WordColumn)->text().trimmed();
        code.key = m_table->item(row, KeyColumn)->text().trimmed();
        code.colour = m_table->item(row, ColourColumn)->data(kColourRole).value<QColor>();
        const auto* box = qobject_cast<QComboBox*>(m_table->cellWidget(row, CategoryColumn));
        code.category = status::Category(box->currentData().toInt());
        // A colour left at its category's is not written: the code follows its category.
        if (code.colour == status::CodeBook::categoryColour(code.category))
            code.colour = QColor();
        if (code.category != status::Category::Unknown && !code.word.isEmpty())
            codes.append(code);
    }
    return codes;
}

void AttendanceCodesWindow::addEngland()
{
    // England's P and E are an approved sporting activity and a suspension: Present and Excused
    // make way and show as PR and EX, so that a sheet's letter names one code only.
    QSet<QString> english;
    for (const status::Code& code : status::CodeBook::england())
        english.insert(code.code.toLower());
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QTableWidgetItem* code = m_table->item(row, CodeColumn);
        const QString word = m_table->item(row, WordColumn)->text();
        if (english.contains(code->text().toLower()) && code->data(kBuiltInRole).toBool()
            && !word.startsWith(QLatin1String("Late")))
            code->setText(word.left(2).toUpper());
    }
    for (const status::Code& code : status::CodeBook::england()) {
        if (!hasWord(code.word))
            appendRow(code, false);
    }
}

void AttendanceCodesWindow::findWords()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QList<std::pair<QString, qint64>> counts;
    try {
        counts = db::statusWordCounts();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    int added = 0;
    for (const auto& [word, marks] : counts) {
        if (word.trimmed().isEmpty() || hasWord(word))
            continue;
        status::Code code;
        code.word = word;
        code.category = status::Category::Unknown;
        // A code to start from: the word's first letter, or two or three, whichever is free.
        for (int length = 1; length <= 3 && code.code.isEmpty(); ++length) {
            const QString candidate = word.trimmed().left(length).toUpper();
            if (m_table->findItems(candidate, Qt::MatchFixedString).isEmpty())
                code.code = candidate;
        }
        appendRow(code, false, QLocale().toString(marks));
        ++added;
    }
    dialogs().message(this,
        added == 0 ? tr("Every word in the register has a meaning already.")
                   : tr("%n words found that have no category yet; give each one and save.", nullptr, added),
        tr("Attendance Codes"), UserDialogs::Icon::Information);
}

void AttendanceCodesWindow::addCode()
{
    status::Code code;
    code.category = status::Category::Authorised;
    appendRow(code, false);
    m_table->setCurrentCell(m_table->rowCount() - 1, CodeColumn);
    m_table->editItem(m_table->item(m_table->rowCount() - 1, CodeColumn));
}

void AttendanceCodesWindow::removeSelected()
{
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : std::as_const(rows)) {
        if (!m_table->item(row, CodeColumn)->data(kBuiltInRole).toBool())
            m_table->removeRow(row);
    }
}

QString AttendanceCodesWindow::problem() const
{
    QSet<QString> words, shortCodes, keys;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString code = m_table->item(row, CodeColumn)->text().trimmed();
        const QString word = m_table->item(row, WordColumn)->text().trimmed();
        const QString key = m_table->item(row, KeyColumn)->text();
        const auto* box = qobject_cast<QComboBox*>(m_table->cellWidget(row, CategoryColumn));
        if (status::Category(box->currentData().toInt()) == status::Category::Unknown)
            continue;
        const int line = row + 1;
        if (word.isEmpty())
            return tr("Row %1 has no word to store.").arg(line);
        if (code.isEmpty())
            return tr("\"%1\" has no code.").arg(word);
        if (code.size() > 3)
            return tr("The code of \"%1\" is longer than three characters.").arg(word);
        if (word.size() > 60)
            return tr("\"%1\" is longer than 60 characters.").arg(word.left(60));
        if (words.contains(word.toLower()))
            return tr("\"%1\" is listed twice (letter case does not make two words).").arg(word);
        if (shortCodes.contains(code.toLower()))
            return tr("The code \"%1\" is given to two words.").arg(code);
        if (!key.isEmpty()) {
            if (key.size() != 1 || isCardKey(key))
                return tr("The key of \"%1\" must be a single character that is not a space.").arg(word);
            if (keys.contains(key.toLower()))
                return tr("The key \"%1\" is given to two codes.").arg(key);
            keys.insert(key.toLower());
        }
        words.insert(word.toLower());
        shortCodes.insert(code.toLower());
    }
    return QString();
}

bool AttendanceCodesWindow::save()
{
    if (const QString wrong = problem(); !wrong.isEmpty()) {
        dialogs().message(this, wrong + QLatin1Char(' ') + tr("Nothing was saved."), tr("Attendance Codes"),
            UserDialogs::Icon::Warning);
        return false;
    }
    try {
        db::saveAttendanceCodes(codes());
    } catch (const Failure& failure) {
        dialogs().message(this, failure.description(), tr("Attendance Codes"), UserDialogs::Icon::Warning);
        return false;
    }
    return true;
}
