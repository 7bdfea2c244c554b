#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The program's skin component. A skin file is a Qt style sheet in UTF-8; the component is
// handed the file, then the window to dress, in that order. Loading checks the whole sheet up
// front so that a broken skin is reported once, at start-up, instead of leaving half-styled
// windows behind.
class SkinFramework : public QObject
{
    Q_OBJECT

public:
    enum Option {
        // Windows that load after the main window (the management windows) take the skin too.
        SkinLaterWindows = 0x1,
    };

    // Larger files are not style sheets anyone wrote by hand; refusing them keeps start-up quick.
    static constexpr qint64 kMaxSkinBytes = 1024 * 1024;

    explicit SkinFramework(QObject* parent = nullptr);
    ~SkinFramework() override;

    // Reads and checks the skin. `section` names a part of a skin file holding several; our
    // files hold one sheet, so it must be empty. Throws Failure when the file cannot be read,
    // is not UTF-8, or is not a style sheet; the skin loaded before stays as it was.
    void loadSkin(const QString& path, const QString& section = QString());

    int options() const { return m_options; }
    void setOptions(int options) { m_options = options; }

    // A disabled component keeps its skin but dresses no window.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    QString styleSheet() const { return m_styleSheet; }
    bool hasSkin() const { return m_loaded; }

    // Dresses the window with the loaded skin and, with SkinLaterWindows, makes this the skin
    // that later windows take (see active()).
    void applyWindow(QWidget* window);

    // The skin that windows loading now should take, or null.
    static SkinFramework* active();

private:
    QString m_styleSheet;
    int m_options = 0;
    bool m_enabled = false;
    bool m_loaded = false;
};
