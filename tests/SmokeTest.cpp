#include <gtest/gtest.h>
#include "app/Form1.h"

TEST(Smoke, MainWindowBuilds)
{
    TForm1 form;
    EXPECT_NE(form.RichEdit, nullptr);
}
