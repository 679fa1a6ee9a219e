#pragma once
// Upload prompts that record what the session shows and answer its question.

#include "publish/UploadPrompts.h"

#include <string>
#include <vector>

namespace tarvin::publish::test {

struct RecordingPrompts : UploadPrompts {
    void Progress(const std::string& label) override { labels.push_back(label); }
    void Busy(bool value) override
    {
        busy = value;
        if (!value)
            idleCount++;
    }
    bool AskYesNo(const std::string& question) override
    {
        questions.push_back(question);
        return answerYes;
    }
    void Warning(const std::string& text) override { messages.push_back(text); }
    void Information(const std::string& text) override { messages.push_back(text); }
    void Completed(const std::string& text, const std::string& note) override
    {
        messages.push_back(text);
        notes.push_back(note);
    }
    bool TrustCertificate(const CertificateReport& report) override
    {
        certificates.push_back(report);
        return trustCertificate;
    }

    std::vector<std::string> labels, questions, messages, notes;
    std::vector<CertificateReport> certificates;
    bool trustCertificate = false;
    bool busy = false;
    int idleCount = 0;
    bool answerYes = false;
};

} // namespace tarvin::publish::test
