#include "engine/ZelkRun.h"

#include "FormatterCarry.h"

ZelkRun::ZelkRun(long nextLineNumber) : glNextLineNumber(nextLineNumber), carry_(std::make_unique<FormatterCarry>()) {}

ZelkRun::~ZelkRun() = default;
