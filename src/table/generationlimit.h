#pragma once

#include "model/messages.h"

#include <QString>

namespace kinrow {

constexpr int kStartGenerationLimit = 15;

// What the answer of the generation-limit prompt does.
struct GenerationLimitAnswer
{
    enum Outcome
    {
        Refused,   // not a number from 1 to 99: message 101, the limit stays
        Unchanged, // the limit already in force (also a cancelled prompt)
        Changed    // a new limit: the table is built again
    };
    Outcome outcome = Refused;
    int limit = 0;
};

// The prompt's answer against the limit in force; text that is no number counts as 0.
GenerationLimitAnswer ParseGenerationLimit(const QString& answer, int current);

// The caption of the limit button: message 116 showing the limit in force.
QString GenerationLimitCaption(int limit, Lang lang);

// The prompt's texts, Turkish in both languages.
QString GenerationLimitTitle();
QString GenerationLimitPrompt();

} // namespace kinrow
