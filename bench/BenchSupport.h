#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <vector>

// The median wall time of `runs` runs of `work`, in milliseconds. The median
// keeps a run disturbed by the shared machine from skewing the figure.
template <typename Work>
double MedianMs(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Ordinary text of `size` characters: words and spaces, no line breaks.
inline QString Words(int size) {
  static const QString words = QStringLiteral("lorem ipsum dolor sit amet consectetur ");
  QString text;
  text.reserve(size);
  while (text.size() < size) text += words;
  text.truncate(size);
  return text;
}
