# SPDX-License-Identifier: GPL-3.0-or-later
# make run    - install what is missing, build, start the trainer on an example table
# make test   - the same set-up, then the whole suite (AddressSanitizer + UBSan)
# make bench  - build and run the benchmarks
# make fuzz   - run every fuzz target for FUZZ_SECONDS (default 300) each
# make package - the Debian package build/package/memorant_<version>_<arch>.deb
# make install PREFIX=/usr/local - install into a prefix (DESTDIR is honoured)
SHELL := /bin/bash
# Let builds in other clones of the project share compiled objects.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
JOBS ?= 2
EXAMPLE ?= examples/engels.MT4

# Every Debian package the build, the suite, the fuzz targets, the package and
# `make run` need; the set-up installs whichever of them are missing.
PACKAGES := \
	cmake ninja-build g++ pkg-config ccache make \
	qt6-base-dev libqt6opengl6-dev qt6-charts-dev libsqlite3-dev \
	qt6-qpa-plugins qt6-wayland libgl-dev \
	qt6-translations-l10n \
	qt6-speech-dev qt6-declarative-dev \
	qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng \
	libgtest-dev libgmock-dev libbenchmark-dev \
	fonts-liberation fonts-dejavu-core poppler-utils \
	desktop-file-utils appstream dpkg-dev file \
	kdeedu-kvtml-data \
	clang-16 libclang-rt-16-dev \
	debootstrap xvfb xdotool \
	python3
# What each is for:
#   cmake ninja-build g++ pkg-config ccache make  the build and its compiler cache
#   qt6-base-dev                 Qt Widgets, PrintSupport, Test
#   libqt6opengl6-dev            needed by Qt Charts' CMake files, not pulled in by them
#   qt6-charts-dev               the progress chart
#   libsqlite3-dev               the memory of every answer across days (SQLite)
#   qt6-qpa-plugins qt6-wayland  the platform plugins: offscreen for the tests, X11, Wayland
#   libgl-dev                    OpenGL headers that Qt's Gui headers include
#   qt6-translations-l10n        Qt's own Dutch texts in its dialogs
#   qt6-speech-dev               Qt TextToSpeech: speaking the question and the answer
#   qt6-declarative-dev          needed by Qt TextToSpeech's CMake files, not pulled in by them
#   qt6-speech-speechd-plugin    the speech-dispatcher engine of Qt TextToSpeech
#   speech-dispatcher speech-dispatcher-espeak-ng  the speech service and its eSpeak NG voices,
#                                for `make run` and the real-engine speech test
#   libgtest-dev libgmock-dev    the core's unit tests
#   libbenchmark-dev             make bench
#   fonts-liberation             Liberation Sans, Arial's metrics, for the designed layouts
#   fonts-dejavu-core            Hebrew and Arabic letters, which Liberation Sans lacks (screens, printouts)
#   poppler-utils                pdftotext, to read printouts back in the tests
#   desktop-file-utils appstream the validators of the desktop entry and the metainfo
#   dpkg-dev file                dpkg-shlibdeps for the Debian package's dependencies
#   kdeedu-kvtml-data            real KVTML vocabulary files for the import tests
#   clang-16 libclang-rt-16-dev  libFuzzer for the fuzz targets
#   debootstrap xvfb xdotool     packaging/check-in-fresh-root: a fresh Debian root, a display, keys
#   python3                      the include scan of the source folders (a test)

BUILD_RUN   := build/run
BUILD_TEST  := build/test
BUILD_BENCH := build/bench
BUILD_FUZZ  := build/fuzz
BUILD_PACKAGE := build/package
PREFIX ?= /usr/local
FUZZ_TARGETS := fuzz_tablefile fuzz_fontline fuzz_inifile fuzz_phonetic fuzz_memorymodel fuzz_memorystore \
  fuzz_kvtml fuzz_csv fuzz_notes fuzz_utf8text
FUZZ_SECONDS ?= 300

.PHONY: all setup run test bench fuzz fuzz-short fuzz-run screenshots package install clean

all: run

setup:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_RUN)/build.ninja: | setup
	cmake -S . -B $(BUILD_RUN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEMORANT_TESTS=OFF

run: setup $(BUILD_RUN)/build.ninja
	cmake --build $(BUILD_RUN) -j $(JOBS) --target memorant
	$(BUILD_RUN)/src/memorant $(EXAMPLE)

$(BUILD_TEST)/build.ninja: | setup
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMEMORANT_SANITIZE=ON

test: setup $(BUILD_TEST)/build.ninja
	cmake --build $(BUILD_TEST) -j $(JOBS)
	cd $(BUILD_TEST) && ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) --no-print-directory fuzz-short

$(BUILD_FUZZ)/build.ninja: | setup
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++-16 -DMEMORANT_FUZZ=ON -DMEMORANT_GUI=OFF -DMEMORANT_TESTS=OFF

# Each target runs on a scratch copy of its corpus, so that the seeds in the
# repository stay as they are; a crash leaves its input in $(BUILD_FUZZ).
fuzz-run: $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  c=fuzz/corpus/$${t#fuzz_}; w=$(BUILD_FUZZ)/corpus/$$t; mkdir -p $$w; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  (cd $(BUILD_FUZZ) && ./fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$$t- -max_len=65536 corpus/$$t ../../$$c 2>&1 | grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|Done" ; \
	    exit $${PIPESTATUS[0]}); \
	done

fuzz: setup
	$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=$(FUZZ_SECONDS)

fuzz-short: setup
	$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=20

$(BUILD_BENCH)/build.ninja: | setup
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMEMORANT_TESTS=OFF -DMEMORANT_BENCH=ON

bench: setup $(BUILD_BENCH)/build.ninja
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	done

# Pictures of the program for the README, rendered offscreen; the main
# screens also as a high-density screen shows them (twice the pixels, on a
# screen of 1280 x 800 points).
SCREENSHOTS_2X := titelscherm.png training-vraag.png meerkeuze-vraag.png invullen-goed.png \
	resultaat.png bewerken.png
screenshots: setup $(BUILD_RUN)/build.ninja
	cmake --build $(BUILD_RUN) -j $(JOBS) --target memorant_screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD_RUN)/tools/memorant_screenshots docs/screenshots
	printf '{"screens":[{"name":"hidpi","x":0,"y":0,"width":2560,"height":1600,"logicalDpi":96}]}' \
	  > $(BUILD_RUN)/hidpi-screen.json
	QT_QPA_PLATFORM=offscreen:configfile=$(BUILD_RUN)/hidpi-screen.json QT_SCALE_FACTOR=2 \
	  $(BUILD_RUN)/tools/memorant_screenshots docs/screenshots/2x $(SCREENSHOTS_2X)

# The release build that is installed and packaged.
$(BUILD_PACKAGE)/build.ninja: | setup
	cmake -S . -B $(BUILD_PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMEMORANT_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr

package: setup $(BUILD_PACKAGE)/build.ninja
	cmake --build $(BUILD_PACKAGE) -j $(JOBS) --target memorant memorant_manpage
	rm -f $(BUILD_PACKAGE)/memorant_*.deb
	cd $(BUILD_PACKAGE) && cpack -G DEB
	@ls $(BUILD_PACKAGE)/memorant_*.deb

install: setup $(BUILD_PACKAGE)/build.ninja
	cmake --build $(BUILD_PACKAGE) -j $(JOBS) --target memorant memorant_manpage
	cmake --install $(BUILD_PACKAGE) --prefix $(PREFIX) --strip

clean:
	rm -rf build
