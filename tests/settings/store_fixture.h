#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QTemporaryDir>

namespace kinvarro::test {

/// Points XDG_CONFIG_HOME at a fresh temporary folder for the test's duration.
class TemporaryConfigHome : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        saved_ = qgetenv("XDG_CONFIG_HOME");
        hadValue_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (hadValue_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QString configHome() const { return home_.path(); }

  private:
    QTemporaryDir home_;
    QByteArray saved_;
    bool hadValue_ = false;
};

}  // namespace kinvarro::test
