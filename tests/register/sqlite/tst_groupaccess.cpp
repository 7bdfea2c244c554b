#include "TestSupport.h"

#include "attendance/MainWindow.h"
#include "core/Failure.h"
#include "core/SharedRoutines.h"
#include "register/Database.h"
#include "register/sqlite/GroupAccess.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process takes the ids of the unprivileged user nobody, with the given supplementary
// groups, until the object goes; root's real ids let it return. Only root can do this.
class AsNobody
{
public:
    explicit AsNobody(const std::vector<gid_t>& groups)
    {
        m_saved.resize(size_t(::getgroups(0, nullptr)));
        m_saved.resize(size_t(std::max(0, ::getgroups(int(m_saved.size()), m_saved.data()))));
        const passwd* nobody = ::getpwnam("nobody");
        m_ok = nobody && ::setgroups(groups.size(), groups.data()) == 0 && ::setegid(nobody->pw_gid) == 0
            && ::seteuid(nobody->pw_uid) == 0;
    }
    ~AsNobody()
    {
        [[maybe_unused]] const int back = ::seteuid(0) + ::setegid(0) + ::setgroups(m_saved.size(), m_saved.data());
    }
    bool ok() const { return m_ok; }

private:
    std::vector<gid_t> m_saved;
    bool m_ok = false;
};

gid_t usersGroup()
{
    const group* entry = ::getgrnam("users");
    return entry ? entry->gr_gid : gid_t(-1);
}

const QString kNotInGroup = db::notInGroupText(QStringLiteral("nobody"), QStringLiteral("users"));

} // namespace

// The shared register's folder and file belong to the group users, as the package makes them;
// an account outside the group is told so in plain words.
class GroupAccessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (::geteuid() != 0)
            QSKIP("Taking another user's ids needs root; run the tests as root to check access by group.");
        if (usersGroup() == gid_t(-1))
            QSKIP("This system has no group users.");
    }

    void outsiderIsToldAtStartWhatToAskFor_data()
    {
        QTest::addColumn<bool>("registerExists");
        QTest::newRow("register in place") << true;
        QTest::newRow("first start") << false;
    }

    void outsiderIsToldAtStartWhatToAskFor()
    {
        QFETCH(bool, registerExists);
        TestEnvironment env;
        shareAsThePackageDoes(env, registerExists);
        MainWindow window;
        {
            AsNobody outsider({});
            QVERIFY(outsider.ok());
            window.load();
        }
        QVERIFY(!db::isOpen());
        const QStringList reports = env.dialogs().messages();
        const auto at144 = std::find_if(reports.begin(), reports.end(),
            [](const QString& text) { return text.contains(QStringLiteral("Form_Load at line 144")); });
        QVERIFY2(at144 != reports.end(), qPrintable(reports.join(QLatin1Char('|'))));
        // In the report's own form: the words first, then where, then whom to mail.
        QVERIFY2(at144->startsWith(kNotInGroup + QStringLiteral("\r\n")), qPrintable(*at144));
        QVERIFY(kNotInGroup.contains(
            QStringLiteral("because your account is not in the group \"users\". Ask the administrator to run: adduser "
                           "nobody users")));
        QVERIFY(at144->contains(QStringLiteral("Please email screenshot of this message to ")));
    }

    void membersUseTheRegisterAndOtherRefusalsKeepTheirWords()
    {
        TestEnvironment env;
        shareAsThePackageDoes(env, true);
        {
            AsNobody member({usersGroup()});
            QVERIFY(member.ok());
            db::open(env.livePath());
            db::addClass(QStringLiteral("7A"));
            db::close();
        }
        // A register only its owner may use: joining users would not help, so nothing says so.
        QVERIFY(QFile::setPermissions(env.livePath(), QFile::ReadOwner | QFile::WriteOwner));
        AsNobody member({usersGroup()});
        QVERIFY(member.ok());
        try {
            db::open(env.livePath());
            QFAIL("a file only root may read was opened");
        } catch (const Failure& failure) {
            QVERIFY2(!failure.description().contains(QStringLiteral("adduser")), qPrintable(failure.description()));
        }
    }

    void writeRefusedOutsideTheGroupSaysWhy()
    {
        TestEnvironment env;
        shareAsThePackageDoes(env, true);
        qint64 student = 0;
        {
            AsNobody member({usersGroup()});
            QVERIFY(member.ok());
            db::open(env.livePath());
            student = db::addStudent(QStringLiteral("Ann"), db::addClass(QStringLiteral("7A")), std::nullopt);
        }
        // Still open, but no longer a member: the save cannot make its journal in the folder.
        AsNobody outsider({});
        QVERIFY(outsider.ok());
        try {
            db::saveMarks(QDate(2026, 12, 7), {{student, QStringLiteral("Late")}}, QString());
            QFAIL("the save was written by an account outside the group");
        } catch (const Failure& failure) {
            QCOMPARE(failure.description(), kNotInGroup);
        }
        QVERIFY(!db::mark(student, QDate(2026, 12, 7)));
    }

private:
    // The data folder belongs to users, writable by the group, as the package's post-install
    // step makes it; the register in it is group-writable, as the first start leaves it.
    static void shareAsThePackageDoes(TestEnvironment& env, bool withRegister)
    {
        // The temporary folders are root's alone; nobody must be able to reach the data folder.
        for (const QString& folder : {env.root(), env.appDataFolder(), env.programFolder()})
            QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther);
        QVERIFY(QDir().mkpath(DataFolder()));
        QFile::setPermissions(companyFolder(), QFile::permissions(companyFolder()) | QFile::ExeOther);
        const QByteArray data = QFile::encodeName(DataFolder());
        QVERIFY(::chown(data.constData(), 0, usersGroup()) == 0);
        QVERIFY(::chmod(data.constData(), 02775) == 0);
        if (!withRegister)
            return;
        QVERIFY(QFile::copy(env.programFolder() + QStringLiteral("/dbBlank.mdb"), env.livePath()));
        const QByteArray live = QFile::encodeName(env.livePath());
        QVERIFY(::chown(live.constData(), 0, usersGroup()) == 0);
        QVERIFY(::chmod(live.constData(), 0664) == 0);
    }
};

QTEST_MAIN(GroupAccessTest)
#include "tst_groupaccess.moc"
