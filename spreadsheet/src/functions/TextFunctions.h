#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value concatenate(const CallContext& context);
Value left(const CallContext& context);
Value right(const CallContext& context);
Value mid(const CallContext& context);
Value length(const CallContext& context);
Value upper(const CallContext& context);
Value lower(const CallContext& context);
Value trim(const CallContext& context);
Value substitute(const CallContext& context);
Value find(const CallContext& context);
Value search(const CallContext& context);
Value text(const CallContext& context);
Value value(const CallContext& context);

Value character(const CallContext& context);
Value characterCode(const CallContext& context);
Value unicodeCharacter(const CallContext& context);
Value unicodeCode(const CallContext& context);
Value exact(const CallContext& context);
Value proper(const CallContext& context);
Value replace(const CallContext& context);
Value repeat(const CallContext& context);
Value clean(const CallContext& context);
Value textOnly(const CallContext& context);

// TextJoining.cpp
Value concat(const CallContext& context);
Value textJoin(const CallContext& context);
Value textBefore(const CallContext& context);
Value textAfter(const CallContext& context);

// TextConversion.cpp
Value fixed(const CallContext& context);
Value dollar(const CallContext& context);
Value numberValue(const CallContext& context);
Value valueToText(const CallContext& context);
Value arrayToText(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
