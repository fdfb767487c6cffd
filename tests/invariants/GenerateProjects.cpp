// SPDX-License-Identifier: GPL-3.0-or-later
// brenak_generate_projects COUNT DIR [SEED]: writes COUNT generated projects
// into DIR (made when missing), numbers SEED, SEED + 1, ... (SEED 1 when not
// given), each as generated-<number>.txt. Project number N is always the same
// file: `brenak_generate_projects 1 DIR N` rebuilds it alone.
#include "ProjectGenerator.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool ReadCount(const char* text, unsigned long long limit, unsigned long long* value) {
  char* end = nullptr;
  errno = 0;
  *value = std::strtoull(text, &end, 10);
  return *text != '\0' && *text != '-' && *end == '\0' && errno == 0 && *value <= limit;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long long count = 0, seed = 1;
  if (argc < 3 || argc > 4 || !ReadCount(argv[1], 1000000, &count) ||
      (argc == 4 && !ReadCount(argv[3], 0xFFFFFFFFull, &seed))) {
    std::fprintf(stderr, "Usage: brenak_generate_projects COUNT DIR [SEED]\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[2]));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "brenak_generate_projects: cannot make the folder %s\n", argv[2]);
    return 1;
  }
  for (unsigned long long i = 0; i < count; ++i) {
    const auto number = static_cast<std::uint32_t>(seed + i);
    QFile file(dir.filePath(QStringLiteral("generated-%1.txt").arg(number)));
    const QByteArray bytes = NumberedProject(number).toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "brenak_generate_projects: cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
