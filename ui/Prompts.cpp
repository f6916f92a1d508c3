#include "ui/Prompts.h"

#include "text/QtText.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

namespace {

constexpr qsizetype kMaxPromptAnswer = 255;
constexpr qsizetype kMaxStartFileName = 259;

QString TitleOrDefault(const std::string& title) {
    return title.empty() ? QString::fromLatin1(kDefaultTitle) : ToQt(title);
}

QStringList NameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters)
        names << ToQt(filter.description) + QStringLiteral(" (") +
                     ToQt(filter.pattern).replace(';', ' ') + QStringLiteral(")");
    return names;
}

// The text prompt's controls.
enum PromptId : std::int32_t { kPromptText = 101, kPromptLabel = 102 };
constexpr std::uint32_t kPromptStyle =
    Style::Popup | Style::Caption | Style::SystemMenu | Style::Centre | Style::ModalFrame;
constexpr std::uint32_t kShown = Style::Child | Style::Visible;
constexpr std::uint32_t kTabStop = kShown | Style::TabStop;

// Qt's chooser keeps its history in the user's settings; the program persists nothing,
// so while a chooser lives, settings go to a folder that goes with it.
class ChooserSettings {
  public:
    ChooserSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

  private:
    QTemporaryDir folder_;
};

} // namespace

std::string PromptText(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, std::int32_t x, std::int32_t y) {
    const bool place = x >= 0 && y >= 0;
    const WindowHandle dialog = NewDialog(0, 0, FromQt(TitleOrDefault(title)), place ? x : 65,
                                          place ? y : 65, 150, 100, kPromptStyle, 0);
    if (dialog == 0)
        return {};
    std::string answer;
    auto onOk = [&answer](WindowHandle owner, std::uint32_t, std::uint32_t, std::int32_t) {
        answer = GetText(GetControl(owner, kPromptText));
        CloseDialog(owner, kIdOk);
        return 1;
    };
    auto onCancel = [](WindowHandle owner, std::uint32_t, std::uint32_t, std::int32_t) {
        CloseDialog(owner, kIdCancel);
        return 1;
    };
    AddControl(kLabel, dialog, kPromptLabel, prompt, 5, 5, 95, 72, kShown, 0);
    AddControl(kPushButton, dialog, kIdOk, "OK", 104, 5, 40, 10, kTabStop | Style::DefaultButton, 0,
               onOk);
    AddControl(kPushButton, dialog, kIdCancel, "Cancel", 104, 19, 40, 10, kTabStop, 0, onCancel);
    AddControl(kTextBox, dialog, kPromptText, defaultText, 4, 82, 140, 12,
               kTabStop | Style::Border | Style::AutoHScroll, 0);
    const WindowHandle box = GetControl(dialog, kPromptText);
    if (auto* edit = qobject_cast<QLineEdit*>(WindowWidget(box)))
        edit->setMaxLength(kMaxPromptAnswer);
    if (QWidget* window = WindowWidget(dialog))
        window->setWindowModality(Qt::ApplicationModal);
    if (place)
        MoveDialog(dialog, x, y);
    FocusControl(dialog, kPromptText);
    PostSelectText(box, 0, static_cast<std::int32_t>(ToQt(GetText(box)).size()));
    ShowModal(dialog);
    return answer;
}

std::string ChooseOpenFile(WindowHandle owner, std::int32_t x, std::int32_t y,
                           const std::string& title, const std::string& startFolder,
                           const std::vector<FileFilter>& filters, const std::string& startFile,
                           const std::string& defaultExtension, std::uint32_t flags) {
    const ChooserSettings settings;
    // Qt's chooser leaves the process's current directory alone.
    QFileDialog chooser(nullptr, ToQt(title),
                        startFolder.empty() ? QDir::currentPath() : ToQt(startFolder));
    chooser.setFileMode((flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setNameFilters(NameFilters(filters));
    QString extension = ToQt(defaultExtension);
    if (extension.startsWith('.'))
        extension.remove(0, 1);
    chooser.setDefaultSuffix(extension);
    if (!startFile.empty())
        chooser.selectFile(ToQt(startFile).left(kMaxStartFileName));
    const QRect work = chooser.screen() ? chooser.screen()->availableGeometry() : QRect();
    QWidget* ownerWidget = WindowWidget(owner);
    if (x != kNoPosition && y != kNoPosition) {
        chooser.move(ownerWidget ? ownerWidget->mapToGlobal(QPoint(x, y)) : QPoint(x, y));
    } else if (ownerWidget) {
        chooser.move(ownerWidget->mapToGlobal(QPoint(30, 30)));
    } else {
        chooser.move(std::max(0, work.right() / 2 - chooser.width() / 2),
                     std::max(0, work.bottom() / 2 - chooser.height() / 2));
    }
    chooser.raise();
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return FromQt(QDir::toNativeSeparators(chooser.selectedFiles().constFirst()));
}

std::string ChooseSaveFile(const std::string& title, const std::vector<FileFilter>& filters) {
    const ChooserSettings settings;
    QFileDialog chooser(nullptr, ToQt(title), QDir::currentPath());
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilters(NameFilters(filters));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    QString name = chooser.selectedFiles().constFirst();
    // A name without an extension takes the one of the choice it was typed under.
    const qsizetype chosen = chooser.nameFilters().indexOf(chooser.selectedNameFilter());
    if (QFileInfo(name).suffix().isEmpty() && chosen >= 0 &&
        static_cast<std::size_t>(chosen) < filters.size())
        name += ToQt(filters[static_cast<std::size_t>(chosen)].pattern).remove('*');
    return FromQt(QDir::toNativeSeparators(name));
}
