        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
K        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
M        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
L        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
w        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
b        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
'        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
I        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
w        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
F        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
G        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
#        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
x        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
L        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
L        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
V        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
M        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
F        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
T        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
I        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
8        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
_        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
*        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
_        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
{        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
_        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
w        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
_        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
*        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
_        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
T        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
B        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
*        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
1        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
6        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
G        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
P        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
G        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
{        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
0        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
}        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
M        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
x        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
G        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
G        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
{        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
b        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
x        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
q        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
O        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
A        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
+        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
1        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
b        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
*        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
P        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
v        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
l        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
{        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
m        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
y        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
'        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
'        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
C        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
c        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
k        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
*        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
b        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
0        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
,        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
3        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
f        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
d        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
g        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
:        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
o        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
&        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
<        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
3        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
|        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
b        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
p        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
a        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
h        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
>        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
s        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
i        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
z        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
(        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
-        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
3        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
!        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
=        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
/        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
.        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
"        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
)        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
}        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
}        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
e        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
t        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
u        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
r        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
n        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
         if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
0        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
;        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
}        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }

        if (const auto path = map::ContainedPath("doc", overlay.href)) {
            std::string_view rest = *path;
            Check(!rest.empty());
            while (!rest.empty()) {
                const std::string_view part = rest.substr(0, rest.find('/'));
                Check(!part.empty() && part != "." && part != "..");
                rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            }
        }
    }
