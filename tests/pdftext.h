// A PDF file read back as text, for the tests of what is printed to a file.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

/// The text of a PDF file as pdftotext lays it out.
inline std::string pdfText(const std::filesystem::path& pdf) {
    const std::string befehl =
        std::string(PDFTOTEXT) + " -layout '" + pdf.string() + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    while (rohr && fgets(puffer.data(), puffer.size(), rohr.get())) text += puffer.data();
    return text;
}
