// The HTML report (the embedded page with its data object) and the JSON
// report, plus the source-list document of /list /format:json.
#pragma once

#include <cstdint>
#include <string>

#include "uTypes.h"

class TAnalyzer;

struct TReportOptions {
  std::string Title;
  std::string RangeText;
  std::string ScopeText;
  int32_t MaxRecords = 0;
};

std::string BoolText(bool b);
std::string SourcesJson(const TSourceList& sources);
std::string RecordsJson(const THistoryList& list, int32_t limit);
void SampleStep(int32_t n, int32_t limit, int32_t& step, int32_t& shown);
std::string PeakText(const TAnalyzer& a);       // JSON report: empty when none
std::string HtmlPeakText(const TAnalyzer& a);   // HTML report: "—" when none
std::string MinuteText(int64_t unix);

void LoadReportTemplate(std::string& tpl, std::string& err);
std::string BuildHtmlData(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                          const TReportOptions& opts);
void BuildHtmlReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                     const TReportOptions& opts, std::string& html, std::string& err);
bool WriteHtmlReport(const std::string& fileName, const TAnalyzer& a, const THistoryList& list,
                     const TSourceList& sources, const TReportOptions& opts, std::string& err);

std::string BuildJsonReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                            const TReportOptions& opts);
bool WriteJsonReport(const std::string& fileName, const std::string& text, std::string& err);
std::string BuildSourceListJson(const TSourceList& sources);
