#include "engine/ZelkRun.h"

#include "FormatterCarry.h"

ZelkRun::ZelkRun(const ZelkOptions& options, long nextLineNumber)
    : opt(options),
      gblnSpellThisModule(options.gblnSpellEnabled),
      glNextLineNumber(nextLineNumber),
      carry_(std::make_unique<FormatterCarry>()) {}

ZelkRun::~ZelkRun() = default;
