#include "core/session/Session.h"

#include <QLabel>
#include <QSplitter>

#include <algorithm>

#include "core/files/FilesState.h"
#include "platform/Ask.h"

Session::Session() = default;
Session::~Session() = default;

bool Session::Guard(const std::function<void()>& handler) { return ask::guard(handler); }

void Session::SetStatusPanel(int index, const QString& text)
{
    if (index < 0 || index >= 4 || !StatusPanels[index]) return;
    // The caret panel is set on every key and caret move, mostly to the text
    // it shows already; only a new text repaints the panel.
    if (StatusPanels[index]->text() != text) StatusPanels[index]->setText(text);
}

QString Session::StatusPanelText(int index) const
{
    if (index >= 0 && index < 4 && StatusPanels[index]) return StatusPanels[index]->text();
    return {};
}

void Session::SetDocuExpWidth(int width)
{
    // Narrower than this the pane could not be found again to widen it.
    constexpr int kMinExplorerWidth = 30;
    docuExpWidth_ = std::max(width, kMinExplorerWidth);
    if (!Splitter1) return;
    QList<int> sizes = Splitter1->sizes();
    int total = 0;
    for (int s : sizes) total += s;
    if (total <= 0) total = docuExpWidth_ + 745;
    Splitter1->setSizes({docuExpWidth_, std::max(total - docuExpWidth_, 1)});
}
