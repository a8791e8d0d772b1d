  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
H  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
-  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
5  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
1  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
2  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
-  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
A  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
H  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
#  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
q  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
8  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
3  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
2  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
k  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
2  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
I  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
U  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
Z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
Z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
&  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
&  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
?  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
X  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
!  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
k  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
&  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
[  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
]  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
H  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
I  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
'  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
P  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
I  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
/  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
1  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
q  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
E  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
k  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
8  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
%  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
2  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
|  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
|  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
1  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
2  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
4  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
W  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
S  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
x  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
V  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
M  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
O  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
I  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
8  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
H  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
I  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
-  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
w  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
-  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
-  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
j  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
+  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
W  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
B  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
*  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
z  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
<  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
>  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
C  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
L  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
l  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
O  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
O  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
|  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
|  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
R  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
O  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
O  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
T  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
=  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
v  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
F  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
D  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
!  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
m  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
y  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
{  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
p  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
h  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
g  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
\  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
%  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
\  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
"  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
,  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
i  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
f  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
.  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
c  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
_  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
s  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
d  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
:  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
a  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
b  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
o  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
(  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
)  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
e  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
t  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
u  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
r  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
n  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
   std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
0  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
;  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
}  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }

  std::string diff;
  if (vt_test::CompareBothWays(gRoot, 0, 0, diff) == vt_test::TBothWays::kDiffer) {
    std::fprintf(stderr, "page path and engine differ:\n%s\n", diff.c_str());
    std::abort();
  }
