#pragma once

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

// Window and painting tests need one QApplication for the whole run. Including this header registers
// an environment that creates it (with the program's Fusion style) before the first test.
class QtTestEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        // Off any screen unless a test run asks for one.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tippwerk-tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

inline testing::Environment* const kQtTestEnvironment =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment);
