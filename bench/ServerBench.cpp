#include "ServerBench.h"

#include "BenchWindow.h"
#include "LiteralRegister.h"

#include "attendance/PhotoCache.h"
#include "core/Failure.h"
#include "register/CopyRegister.h"
#include "register/Database.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kDatabase = "rollvane_bench";
constexpr int kRelayDelayMs = 5;

// A TCP relay between the program and the server's socket that holds everything the program
// sends for a while before passing it on: each round trip then costs what it costs across a
// school's network. It also counts the round trips, as turns of the conversation: the program
// speaking again after the server has answered.
class Relay
{
public:
    Relay(const QString& serverSocket, int delayMs)
        : m_serverSocket(serverSocket.toStdString())
        , m_delay(std::chrono::milliseconds(delayMs))
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::listen(m_listen, 8) != 0)
            throw Failure(
                QStringLiteral("the relay could not listen: %1").arg(QString::fromLocal8Bit(strerror(errno))));
        socklen_t length = sizeof address;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        if (::pipe2(m_wake, O_CLOEXEC) != 0)
            throw Failure(QStringLiteral("the relay could not make its pipe"));
        m_thread = std::thread([this] { run(); });
    }
    ~Relay()
    {
        m_stop = true;
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(m_wake[1], &byte, 1);
        m_thread.join();
        for (Pair& pair : m_pairs) {
            ::close(pair.client);
            ::close(pair.server);
        }
        ::close(m_listen);
        ::close(m_wake[0]);
        ::close(m_wake[1]);
    }
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    int port() const { return m_port; }
    int roundTrips() const { return m_trips; }
    void resetCount() { m_trips = 0; }

private:
    struct Pair
    {
        int client = -1;
        int server = -1;
        bool serverSpokeLast = true;
        std::deque<std::pair<Clock::time_point, std::string>> toServer;
    };

    static bool writeAll(int fd, const char* data, size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            data += written;
            size -= size_t(written);
        }
        return true;
    }

    void accept()
    {
        const int client = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_serverSocket.c_str(), sizeof address.sun_path - 1);
        if (server < 0 || ::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(client);
            if (server >= 0)
                ::close(server);
            return;
        }
        m_pairs.push_back({client, server, true, {}});
    }

    void run()
    {
        char buffer[65536];
        while (!m_stop) {
            std::vector<pollfd> watched = {{m_listen, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
            int timeout = -1;
            const Clock::time_point now = Clock::now();
            for (const Pair& pair : m_pairs) {
                watched.push_back({pair.client, POLLIN, 0});
                watched.push_back({pair.server, POLLIN, 0});
                if (!pair.toServer.empty()) {
                    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(pair.toServer.front().first - now);
                    timeout = std::max(0, timeout < 0 ? int(wait.count()) : std::min(timeout, int(wait.count())));
                }
            }
            ::poll(watched.data(), watched.size(), timeout);
            if (watched[0].revents & POLLIN)
                accept();
            std::vector<size_t> closed;
            for (size_t i = 0; i < m_pairs.size() && 2 + 2 * i + 1 < watched.size(); ++i) {
                Pair& pair = m_pairs[i];
                if (watched[2 + 2 * i].revents & (POLLIN | POLLHUP | POLLERR)) {
                    const ssize_t got = ::read(pair.client, buffer, sizeof buffer);
                    if (got <= 0) {
                        closed.push_back(i);
                        continue;
                    }
                    if (pair.serverSpokeLast)
                        ++m_trips;
                    pair.serverSpokeLast = false;
                    pair.toServer.emplace_back(Clock::now() + m_delay, std::string(buffer, size_t(got)));
                }
                if (watched[2 + 2 * i + 1].revents & (POLLIN | POLLHUP | POLLERR)) {
                    const ssize_t got = ::read(pair.server, buffer, sizeof buffer);
                    if (got <= 0 || !writeAll(pair.client, buffer, size_t(got))) {
                        closed.push_back(i);
                        continue;
                    }
                    pair.serverSpokeLast = true;
                }
            }
            const Clock::time_point due = Clock::now();
            for (Pair& pair : m_pairs) {
                while (!pair.toServer.empty() && pair.toServer.front().first <= due) {
                    const std::string& chunk = pair.toServer.front().second;
                    writeAll(pair.server, chunk.data(), chunk.size());
                    pair.toServer.pop_front();
                }
            }
            for (auto it = closed.rbegin(); it != closed.rend(); ++it) {
                ::close(m_pairs[*it].client);
                ::close(m_pairs[*it].server);
                m_pairs.erase(m_pairs.begin() + std::ptrdiff_t(*it));
            }
        }
    }

    std::string m_serverSocket;
    Clock::duration m_delay;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    int m_port = 0;
    std::vector<Pair> m_pairs;
    std::atomic<bool> m_stop {false};
    std::atomic<int> m_trips {0};
    std::thread m_thread;
};

// The statements the server ran for the benchmark's database, as pg_stat_statements counts
// them, read over a connection to another database so that reading does not count itself.
class ServerCount
{
public:
    explicit ServerCount(const QSqlDatabase& admin)
        : m_admin(admin)
    { }
    void reset() { QSqlQuery(m_admin).exec(QStringLiteral("SELECT pg_stat_statements_reset()")); }
    qint64 statements()
    {
        QSqlQuery query(m_admin);
        query.prepare(QStringLiteral("SELECT coalesce(sum(calls), 0) FROM pg_stat_statements WHERE dbid = (SELECT "
                                     "oid FROM pg_database WHERE datname = ?)"));
        query.addBindValue(QLatin1String(kDatabase));
        if (!query.exec() || !query.next())
            return -1;
        return query.value(0).toLongLong();
    }

private:
    QSqlDatabase m_admin;
};

struct Measured
{
    QList<double> ms;
    qint64 statements = 0; // the most any run needed
    int trips = 0;
    double median() const { return ::median(ms); }
};

struct Phase
{
    Measured firstSave;
    Measured reSave;
    Measured rebuild;
    Measured firstVisit;
};

// One measured action: the server's and the relay's counts are taken around it alone.
template <typename Work> void measure(Measured& into, ServerCount& server, Relay* relay, Work work)
{
    QCoreApplication::processEvents(); // a new pass: the photo check is asked again
    server.reset();
    if (relay)
        relay->resetCount();
    QElapsedTimer timer;
    timer.start();
    work();
    into.ms.append(double(timer.nsecsElapsed()) / 1e6);

    into.statements = std::max(into.statements, server.statements());
    if (relay)
        into.trips = std::max(into.trips, relay->roundTrips());
}

Phase measurePhase(MainWindow& window, const School& school, int runs, int& day, ServerCount& server, Relay* relay)
{
    Phase phase;
    // The window's own reload tick would otherwise rebuild the cards in a pass of the event
    // loop that a measurement lets run.
    window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    window.LoadClassList();
    // Warm: the statements are prepared once per connection, the pictures decoded once.
    pick(window, school.measuredClass, school.firstFreeDay.addDays(day++));
    rebuild(window);
    markCards(window.listedCards(), 0);
    window.SaveAttendance();
    PhotoCache::shared().clear();
    pick(window, school.measuredClass, school.markedDay);
    measure(phase.firstVisit, server, relay, [&] { rebuild(window); });
    const QList<StudentCard*> cards = window.listedCards();
    if (cards.isEmpty() || !cards.last()->hasPhoto() || PhotoCache::shared().decodedCount() < cards.size())
        std::printf("  warning: the first visit shows %lld cards and decoded %d photos\n", qlonglong(cards.size()),
            PhotoCache::shared().decodedCount());
    for (int run = 0; run < runs; ++run) {
        pick(window, school.measuredClass, school.firstFreeDay.addDays(day++));
        rebuild(window);
        markCards(window.listedCards(), run);
        measure(phase.firstSave, server, relay, [&] { window.SaveAttendance(); });
        markCards(window.listedCards(), run + 1);
        measure(phase.reSave, server, relay, [&] { window.SaveAttendance(); });
        measure(phase.rebuild, server, relay, [&] { rebuild(window); });
    }
    if (window.listedCards().size() != School::kStudentsPerClass)
        std::printf("  warning: the class shows %lld cards\n", qlonglong(window.listedCards().size()));
    return phase;
}

QString number(double value)
{
    return QString::number(value, 'f', value >= 100 ? 0 : value >= 10 ? 1 : 2);
}

void row(const char* figure, const QString& direct, const QString& relayed, const QString& trips, const QString& target,
    std::optional<bool> holds)
{
    std::printf("%-40s %10s %12s %16s  %-44s %s\n", figure, direct.toUtf8().constData(), relayed.toUtf8().constData(),
        trips.toUtf8().constData(), target.toUtf8().constData(), holds ? (*holds ? "holds" : "MISSED") : "");
}

QString tripsText(const Measured& direct, const Measured* relayed)
{
    return relayed ? QStringLiteral("%1 / %2").arg(direct.statements).arg(relayed->trips)
                   : QStringLiteral("%1 / -").arg(direct.statements);
}

} // namespace

void runServerBench(const School& school, int runs, int firstFreeDay)
{
    const QString socketFolder = qEnvironmentVariable("ROLLVANE_BENCH_PGHOST");
    std::printf("\nThe register on a PostgreSQL server\n");
    if (socketFolder.isEmpty()) {
        std::printf("  No server is named (ROLLVANE_BENCH_PGHOST, a socket folder): the server figures are skipped. "
                    "scripts/bench.sh starts a server of its own for them.\n");
        return;
    }
    const QString adminName = QStringLiteral("BenchServerAdmin");
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), adminName);
        admin.setHostName(socketFolder);
        admin.setUserName(QStringLiteral("postgres"));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (!admin.open()) {
            std::printf("  The server in %s cannot be reached (%s): the server figures are skipped.\n",
                qPrintable(socketFolder), qPrintable(admin.lastError().text()));
            return;
        }
        QSqlQuery setUp(admin);
        setUp.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(QLatin1String(kDatabase)));
        if (!setUp.exec(
                QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(QLatin1String(kDatabase)))
            || !setUp.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_stat_statements"))) {
            std::printf("  The benchmark's database could not be set up (%s): the server figures are skipped.\n",
                qPrintable(setUp.lastError().text()));
            return;
        }
        ServerCount server(admin);

        db::ServerAddress direct;
        direct.host = socketFolder;
        direct.user = QStringLiteral("postgres");
        direct.database = QLatin1String(kDatabase);

        std::printf("  copying the school to the server with the register copier...\n");
        std::fflush(stdout);
        QElapsedTimer copyTimer;
        copyTimer.start();
        const db::CopyReport copy = db::copyFileToServer(school.path, direct);
        const double copySeconds = double(copyTimer.elapsed()) / 1000;

        MainWindow window;
        window.show();
        waitExposed(window);
        int day = firstFreeDay;

        std::printf("  measuring on the server's socket\n");
        std::fflush(stdout);
        db::openServer(direct);
        const Phase near = measurePhase(window, school, runs, day, server, nullptr);

        std::printf("  measuring through the relay (%d ms a round trip)\n", kRelayDelayMs);
        std::fflush(stdout);
        Relay relay(socketFolder + QStringLiteral("/.s.PGSQL.5432"), kRelayDelayMs);
        db::ServerAddress relayed = direct;
        relayed.host = QStringLiteral("127.0.0.1");
        relayed.port = relay.port();
        relayed.sslmode = QStringLiteral("disable");
        db::openServer(relayed);
        const Phase far = measurePhase(window, school, runs, day, server, &relay);
        window.ClearCards();
        db::close();

        std::printf("  measuring the literal design through the relay\n");
        std::fflush(stdout);
        Measured literalSave;
        {
            const QString literalName = QStringLiteral("LiteralServer");
            {
                QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), literalName);
                connection.setHostName(relayed.host);
                connection.setPort(relayed.port);
                connection.setUserName(relayed.user);
                connection.setDatabaseName(relayed.database);
                connection.setConnectOptions(QStringLiteral("sslmode=disable"));
                if (!connection.open())
                    throw Failure(connection.lastError().text());
                QTemporaryDir photoTemp;
                LiteralRegister literal(literalName, photoTemp.path(), true);
                literal.ListStudent(school.measuredClass, school.markedDay);
                const int literalRuns = std::max(1, std::min(3, runs));
                for (int run = 0; run < literalRuns; ++run) {
                    const QDate saveDay = school.firstFreeDay.addDays(day++);
                    markCards(literal.cards(), run);
                    measure(literalSave, server, &relay, [&] { literal.SaveAttendance(saveDay); });
                }
                literal.ClearCards();
                connection.close();
            }
            QSqlDatabase::removeDatabase(literalName);
        }

        const bool copied = copy.matches();
        std::printf("\n%-40s %10s %12s %16s  %-44s %s\n", "figure", "socket", "relay +5 ms", "trips srv/relay",
            "target", "result");
        std::printf("%s\n", QString(40 + 10 + 12 + 16 + 44 + 12, QLatin1Char('-')).toUtf8().constData());
        const auto ms = [](const Measured& measured) { return number(measured.median()) + QStringLiteral(" ms"); };
        row("save of 40 cards, first save", ms(near.firstSave), ms(far.firstSave),
            tripsText(far.firstSave, &far.firstSave), QStringLiteral("<= 4 round trips, < 40 ms through the relay"),
            far.firstSave.trips <= 4 && far.firstSave.median() < 40);
        row("save of 40 cards, re-save", ms(near.reSave), ms(far.reSave), tripsText(far.reSave, &far.reSave),
            QStringLiteral("<= 4 round trips, < 40 ms through the relay"),
            far.reSave.trips <= 4 && far.reSave.median() < 40);
        row("literal design: save of 40 cards", QString(), ms(literalSave), tripsText(literalSave, &literalSave),
            QStringLiteral("(one statement per card and lookup)"), {});
        row("rebuild of 40 cards, repeat visit", ms(near.rebuild), ms(far.rebuild),
            tripsText(far.rebuild, &far.rebuild), QStringLiteral("<= 4 round trips"),
            far.rebuild.statements <= 4 && far.rebuild.trips <= 4);
        row("rebuild of 40 cards, first visit", ms(near.firstVisit), ms(far.firstVisit),
            tripsText(far.firstVisit, &far.firstVisit),
            QStringLiteral("<= 4 trips, <= 1/10 of 933 ms (photos): 1/%1").arg(number(933.0 / far.firstVisit.median())),
            far.firstVisit.trips <= 4 && far.firstVisit.median() * 10 <= 933);
        row("copy-register of the school", QStringLiteral("%1 s").arg(number(copySeconds)), QString(),
            QStringLiteral("%1 rows").arg(copy.rows()), QStringLiteral("every table's count and checksum the same"),
            copied);
        std::printf(
            "\nServer trips are the statements pg_stat_statements counted (BEGIN and COMMIT among them, and "
            "the statements of the server's own history trigger in a save); relay trips are the turns of the "
            "conversation the relay saw, the round trips the targets count. Through the relay the literal design is "
            "%sx slower to save.\n",
            qPrintable(number(literalSave.median() / std::max(0.001, far.firstSave.median()))));

        QSqlQuery tearDown(admin);
        tearDown.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(QLatin1String(kDatabase)));
        admin.close();
    }
    QSqlDatabase::removeDatabase(adminName);
}
