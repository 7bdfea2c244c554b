#include "attendance/MainWindow.h"

#include "app/ErrorReport.h"
#include "app/Failure.h"
#include "app/LookAndFeel.h"
#include "app/SharedRoutines.h"
#include "attendance/StudentCard.h"
#include "data/Database.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Measures below are the window's twips at 15 twips per pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void makeFolder(const QString& path)
{
    if (!QDir().mkdir(path))
        throw Failure(QCoreApplication::translate("MainWindow", "The folder %1 could not be created.")
                          .arg(QDir::toNativeSeparators(path)));
}

void copyTemplate(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.exists())
        throw Failure(QCoreApplication::translate("MainWindow", "The template register %1 was not found.")
                          .arg(QDir::toNativeSeparators(from)));
    if (!source.copy(to))
        throw Failure(QCoreApplication::translate("MainWindow", "The template register could not be copied to %1: %2")
                          .arg(QDir::toNativeSeparators(to), source.errorString()));
    // The register is shared by every user of the machine.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOwner
            | QFile::WriteOwner);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , m_endProgram([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("Form1"));
    buildLayout();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(100);
    m_timer1->setSingleShot(true);
    m_timer1->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(10440), px(10230));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(true);
    setFont(font);

    auto whiteFrame = [this](const char* name, const QString& title, const QRect& geometry) {
        auto* frame = new QGroupBox(title, this);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setGeometry(geometry);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, Qt::white);
        frame->setPalette(palette);
        return frame;
    };

    m_frame1 = whiteFrame("Frame1", tr("Class"), twipsRect(120, 120, 5040, 825));
    m_combo1 = new QComboBox(m_frame1);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twipsRect(240, 300, 4575, 345));

    m_frame2 = whiteFrame("Frame2", tr("Date"), twipsRect(5280, 120, 5040, 855));
    m_dateTimePicker1 = new QDateEdit(m_frame2);
    m_dateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_dateTimePicker1->setGeometry(twipsRect(240, 270, 4575, 375));
    m_dateTimePicker1->setCalendarPopup(true);
    m_dateTimePicker1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));

    m_picScrollBox = new QWidget(this);
    m_picScrollBox->setObjectName(QStringLiteral("picScrollBox"));
    m_picScrollBox->setGeometry(twipsRect(120, 1080, 10200, 7095));
    m_picClient = new QWidget(m_picScrollBox);
    m_picClient->setObjectName(QStringLiteral("picClient"));
    m_picClient->setGeometry(twipsRect(0, 0, 9945, 6960));
    m_picClient->setAutoFillBackground(true);
    m_picClient->setBackgroundRole(QPalette::Base);

    auto* card0 = new StudentCard(0, m_picClient);
    card0->move(0, 0);
    card0->hide();
    m_cards.append(card0);

    m_frame3 = whiteFrame("Frame3", tr("Additional Notes For This Day"), twipsRect(120, 8250, 10200, 1335));
    m_text1 = new QPlainTextEdit(m_frame3);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(240, 300, 9735, 855));
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_pushButton2 = new QPushButton(tr("Save"), this);
    m_pushButton2->setObjectName(QStringLiteral("PushButton2"));
    m_pushButton2->setGeometry(twipsRect(120, 9720, 5040, 405));
    m_pushButton1 = new QPushButton(tr("Setup Students / Classes"), this);
    m_pushButton1->setObjectName(QStringLiteral("PushButton1"));
    m_pushButton1->setGeometry(twipsRect(5280, 9720, 5040, 405));
}

void MainWindow::load()
{
    StepRunner steps(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Form_Load")));

    if (steps.test(100, [] { return !FileExists(companyFolder()); }))
        steps.step(102, [] { makeFolder(companyFolder()); });
    if (steps.test(104, [] { return !FileExists(DataFolder()); }))
        steps.step(106, [] { makeFolder(DataFolder()); });
    if (steps.test(108, [] { return !FileExists(liveDatabasePath()); }))
        steps.step(110, [] { copyTemplate(templateDatabasePath(), liveDatabasePath()); });
    steps.step(112, [this] { look::ApplySkin(this); });
    steps.step(116, [this] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(QApplication::windowIcon());
        ShortenTitle(QString::fromLatin1(kProductName));
    });
    if (steps.test(118, [] { return FileExists(handPointerPath()); }))
        steps.step(120, [this] { look::LoadHandPointer(this); });
    steps.step(140, [this] { m_dateTimePicker1->setDate(QDate::currentDate()); });
    // Step 142 created the connection object; Qt's named connection is made when it opens.
    steps.step(144, [] { db::open(liveDatabasePath()); });
    steps.step(146, [this] { LoadClassList(); });
    steps.step(156, [this] { ListStudent(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    StepRunner steps(handlerLocation(QStringLiteral("Form1"), QStringLiteral("Form_QueryUnload")));
    if (m_bChanged) {
        // Prompt and save come with the marking work.
    }
    if (steps.test(106, [] { return db::isOpen(); }))
        steps.step(106, [] { db::close(); });
    steps.step(108, [] { db::close(); });
    steps.step(110, [] { QCoreApplication::processEvents(); });
    steps.step(112, [] { QCoreApplication::processEvents(); });
    event->accept();
    steps.step(114, [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != this)
                window->hide();
        }
        m_endProgram();
    });
}

void MainWindow::LoadClassList()
{
    m_colClassIDs.clear();
    m_combo1->clear();
    look::BusyPointer busy(this);
    const QList<db::ClassRow> rows = db::classes();
    for (const db::ClassRow& row : rows) {
        m_colClassIDs.append(row.id);
        m_combo1->addItem(row.name);
    }
    m_combo1->setCurrentIndex(-1);
}

void MainWindow::ListStudent()
{
    if (m_combo1->currentIndex() < 0)
        return;
}

void MainWindow::ClearCards()
{
    m_cards.first()->hide();
    while (m_cards.size() > 1)
        delete m_cards.takeLast();
}

void MainWindow::LoadAttendance()
{
}

void MainWindow::SaveAttendance()
{
    m_bChanged = false;
}
