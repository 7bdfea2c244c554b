#include "ui/SkinFramework.h"

#include "core/Failure.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace {

QPointer<SkinFramework>& activeSkin()
{
    static QPointer<SkinFramework> skin;
    return skin;
}

// Qt parses a style sheet only when it polishes a widget and then merely warns about a sheet it
// cannot parse. Polishing a throw-away widget while listening to those warnings turns them
// into an answer.
QStringList& parseComplaints()
{
    static QStringList complaints;
    return complaints;
}

QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void listenForParseComplaints(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Could not parse")))
        parseComplaints().append(message);
    else if (QtMessageHandler previous = previousHandler())
        previous(type, context, message);
}

bool styleSheetParses(const QString& sheet)
{
    parseComplaints().clear();
    previousHandler() = qInstallMessageHandler(listenForParseComplaints);
    {
        QWidget probe;
        probe.setStyleSheet(sheet);
        probe.ensurePolished();
    }
    qInstallMessageHandler(previousHandler());
    previousHandler() = nullptr;
    return parseComplaints().isEmpty();
}

} // namespace

SkinFramework::SkinFramework(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("SkinFramework1"));
}

SkinFramework::~SkinFramework() = default;

void SkinFramework::loadSkin(const QString& path, const QString& section)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!section.isEmpty())
        throw Failure(tr("The skin file %1 has no part named %2.").arg(shown, section));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(tr("The skin file %1 cannot be read: %2").arg(shown, file.errorString()));
    if (file.size() > kMaxSkinBytes)
        throw Failure(tr("The skin file %1 is too large to be a skin.").arg(shown));
    const QByteArray bytes = file.read(kMaxSkinBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw Failure(tr("The skin file %1 cannot be read: %2").arg(shown, file.errorString()));
    if (bytes.size() > kMaxSkinBytes)
        throw Failure(tr("The skin file %1 is too large to be a skin.").arg(shown));

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString sheet = utf8.decode(bytes);
    if (utf8.hasError())
        throw Failure(tr("The skin file %1 is not UTF-8 text.").arg(shown));
    if (!styleSheetParses(sheet))
        throw Failure(tr("The skin file %1 is not a style sheet that can be read.").arg(shown));

    m_styleSheet = sheet;
    m_loaded = true;
}

void SkinFramework::applyWindow(QWidget* window)
{
    if (!m_enabled || !m_loaded || !window)
        return;
    window->setStyleSheet(m_styleSheet);
    if (m_options & SkinLaterWindows)
        activeSkin() = this;
}

SkinFramework* SkinFramework::active()
{
    SkinFramework* skin = activeSkin();
    return skin && skin->m_enabled && skin->m_loaded ? skin : nullptr;
}
