#pragma once
// Settings in a folder of their own, gone with the benchmark.
#include "services.h"

#include <QTemporaryDir>

class ThrowAwaySettings final : public SettingsLocation {
public:
    QString filePath() const override { return m_dir.filePath(QStringLiteral("augurium.conf")); }

private:
    QTemporaryDir m_dir;
};
