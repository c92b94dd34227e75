// Where the TeX program settings dialog and the dialogs it opens appear, and
// that their word-wrapped texts show whole at the size they open at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <map>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "tests/support/LabelsWhole.h"
#include "tex/Init.h"

namespace {

QPoint centreOf(const QRect& r) { return {r.left() + r.width() / 2, r.top() + r.height() / 2}; }

// Opens the settings dialog from the menu, runs its automatic setup (one
// program missing, its prompt cancelled) or its wizard (every page
// confirmed), and records where each dialog showed.
class InitPlacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Off the screen's centre, so that "on the main window" and "on the
        // screen" differ.
        main.setGeometry(screen.left() + 30, screen.top() + 30, 700, 520);
        main.show();
        ask::setMessageAnswerer([](const ask::MessageRequest&) { return IDOK; });
        ask::setDialogAnswerer([this](QDialog& d) {
            QCoreApplication::processEvents();
            seen[d.objectName()].push_back(d.geometry());
            testsupport::expectLabelsWhole(d);
            if (d.objectName() == "FormInit") {
                auto& init = static_cast<TFormInit&>(d);
                init.fileExists = [](const QString&) { return false; };
                if (wizard)
                    init.BitBtnSettingWizardClick();
                else
                    init.BitBtn4Click();
                return int(mrCancel);
            }
            return d.objectName() == "FormFileSitei" ? int(mrCancel) : int(mrOk);
        });
    }
    void TearDown() override
    {
        ask::setMessageAnswerer({});
        ask::setDialogAnswerer({});
    }
    void run(bool throughWizard)
    {
        wizard = throughWizard;
        main.MenuOptionInitClick();
    }
    void expectCentredOn(const QString& name, QPoint centre)
    {
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(seen[name].empty());
        for (const QRect& g : seen[name])
            EXPECT_LE((centreOf(g) - centre).manhattanLength(), 2)
                << "opened at " << centreOf(g).x() << "," << centreOf(g).y() << ", wanted " << centre.x() << ","
                << centre.y();
    }
    TForm1 main;
    bool wizard = false;
    std::map<QString, std::vector<QRect>> seen;
};

}  // namespace

TEST_F(InitPlacement, SettingsOnTheMainWindowSetupOnTheSettingsPromptAndWizardOnTheScreen)
{
    const QPoint screenCentre = centreOf(QGuiApplication::primaryScreen()->availableGeometry());
    run(false);
    run(true);
    expectCentredOn("FormInit", centreOf(main.frameGeometry()));
    expectCentredOn("FormAutoSetting", centreOf(seen["FormInit"].front()));
    expectCentredOn("FormFileSitei", screenCentre);
    expectCentredOn("FormFileSitei2", screenCentre);
    EXPECT_EQ(seen["FormFileSitei2"].size(), 4u) << "every wizard page";
}

TEST_F(InitPlacement, TwoLineLabelsShowWholeInALargerFont)
{
    const QFont old = QApplication::font();
    QFont large = old;
    large.setPointSizeF(old.pointSizeF() * 2.0);
    QApplication::setFont(large);
    run(false);
    run(true);
    QApplication::setFont(old);
    EXPECT_EQ(seen["FormFileSitei2"].size(), 4u);
    EXPECT_EQ(seen["FormAutoSetting"].size(), 1u);
}
