# Two commands matter: `make run` and `make test`. Both install the Debian
# packages the build needs when any are missing, then configure and build.

BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Build, test and run-time packages of Debian 12: the packaging tests check
# the installed files and the Debian package with desktop-file-utils to
# groff-base; the Wayland tests run a headless sway with grim and wtype;
# the full-screen tests also run under openbox.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-wayland libx11-dev \
            fonts-liberation2 libgtest-dev libgmock-dev libbenchmark-dev \
            xvfb xauth xdotool x11-apps x11-xserver-utils imagemagick \
            libxrandr-dev edid-decode \
            qt6-svg-dev desktop-file-utils appstream dpkg-dev file groff-base \
            qt6-base-private-dev libwayland-dev wayland-protocols \
            sway grim wtype python3 openbox

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench install package docs clean fuzz

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "Rasterwacht needs a desktop session (X11 or Wayland): no display was found."; \
	else \
	  ./$(BUILD_DIR)/rasterwacht; \
	fi

# Unit tests run on Qt's offscreen platform (also while ctest lists them);
# the end-to-end tests choose their own display.
test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j $(JOBS)

bench: build
	./$(BUILD_DIR)/rasterwacht-bench

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, written into the build folder:
# build/rasterwacht_<version>-1_<architecture>.deb
package: build
	cd $(BUILD_DIR) && cpack

# Renders the README's pictures into docs/ again; a test fails while they
# differ from what the renderer draws.
docs: build
	cmake --build $(BUILD_DIR) --target docs

clean:
	rm -rf $(BUILD_DIR)

# The fuzzers of the version reader and the EDID parser (clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer): each first runs every
# malformed sample once, then fuzzes FUZZ_SECONDS seeded from the good files.
FUZZ_SECONDS ?= 120
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_version fuzz_edid
	./build-fuzz/tests/fuzz_version tests/version/malformed/*
	mkdir -p build-fuzz/corpus
	./build-fuzz/tests/fuzz_version -max_total_time=$(FUZZ_SECONDS) -timeout=5 build-fuzz/corpus tests/version/corpus
	./build-fuzz/tests/fuzz_edid tests/edid/malformed/*
	mkdir -p build-fuzz/corpus-edid
	./build-fuzz/tests/fuzz_edid -max_total_time=$(FUZZ_SECONDS) -timeout=5 build-fuzz/corpus-edid tests/edid/corpus
