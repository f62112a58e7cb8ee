#pragma once

#include <QByteArray>

// A page file of some megabytes, made by the page engine from long values
// that are all `mark`: pages with different marks differ in every value.
QByteArray LargePage(char mark);
