# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands for everyone: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
# WERROR=ON turns compiler warnings into errors, as CI builds; users are not stopped by them.
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCYCLARA_WERROR=$(WERROR)

.PHONY: run test test-screenreader screenshot bench coverage fuzz deb fresh-check deps configure build clean

# Which set of scripts/install-deps a goal needs: `make run` only what building and running need,
# so that no test tool lands on a user's machine.
DEPS = run
test screenshot bench: DEPS = test
test-screenreader: DEPS = screenreader
# A first configure for `make run` leaves the tests out, so it needs neither Qt Test nor the
# tests' tools; the goals that use tests or benchmarks ask for them, and a build that has them
# keeps them.
TESTING = $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF)
test test-screenreader screenshot bench: TESTING = -DBUILD_TESTING=ON -DCYCLARA_BENCHMARKS=ON

run: build
	$(BUILD)/bin/cyclara

# The end-to-end test drives a real X display; CI runs it under xvfb-run.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -LE e2e --output-on-failure

# The window heard through the screen reader Orca, on a private desktop it starts itself.
test-screenreader: build
	cd $(BUILD) && CYCLARA_E2E_REQUIRED=1 ctest -L screenreader --no-tests=error --output-on-failure

# The README's pictures of the real windows, with a fixed date and register.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --dark docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --scaled docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --english docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --english-smallest docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --traditional docs

# Every performance figure with its median and its goal; fails when a goal is missed.
bench: build
	@status=0; \
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_bench || status=1; \
	echo; \
	$(BUILD)/bin/startup_report $(BUILD)/bin 21 || status=1; \
	exit $$status

# Which lines and branches of the program the tests of `make test` run, by folder, measured with
# gcov in build-coverage (counts from an earlier run are cleared first).
coverage:
	scripts/install-deps coverage
	cmake --preset coverage
	cmake --build --preset coverage
	find build-coverage -name '*.gcda' -delete
	ctest --preset coverage
	scripts/coverage-summary build-coverage

# libFuzzer, built with clang in build-fuzz, on the register reader and the date texts, on the
# merge of a save (three registers in, one out) and on the calendar's text of hostile names, the
# three side by side for FUZZ_SECONDS each. New inputs go to fuzz-corpus-work/, the committed seeds
# in fuzz/ stay as they are; a fuzzer that finds a fault fails the goal.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps fuzz
	cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz
	mkdir -p fuzz-corpus-work/register fuzz-corpus-work/merge fuzz-corpus-work/calendar
	@fuzz() { name=$$1; shift; build-fuzz/bin/fuzz_$$name fuzz-corpus-work/$$name "$$@" \
	    -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 >fuzz-corpus-work/$$name.log 2>&1; \
	    status=$$?; if [ $$status -eq 0 ]; then grep -E '^(Done|stat::)' fuzz-corpus-work/$$name.log; \
	    else tail -n 40 fuzz-corpus-work/$$name.log; fi | sed "s/^/fuzz_$$name: /"; \
	    return $$status; }; \
	fuzz register fuzz/corpus -dict=fuzz/birth.dict & register=$$!; \
	fuzz merge -dict=fuzz/birth.dict & merge=$$!; \
	fuzz calendar fuzz/corpus-calendar & calendar=$$!; \
	status=0; \
	wait $$register || { echo "fuzz_register found a fault: fuzz-corpus-work/register.log"; status=1; }; \
	wait $$merge || { echo "fuzz_merge found a fault: fuzz-corpus-work/merge.log"; status=1; }; \
	wait $$calendar || { echo "fuzz_calendar found a fault: fuzz-corpus-work/calendar.log"; status=1; }; \
	exit $$status

# The Debian package of HEAD, built from a clean copy, checked by lintian and left in dist/.
deb:
	scripts/install-deps deb
	scripts/build-deb

# `make run`, `make test` and `make deb` on clean Debian roots made by debootstrap, from a clone
# of HEAD, and the package installed, run and purged on another (needs root or sudo).
RELEASE ?= bookworm
fresh-check:
	scripts/fresh-machine-check $(RELEASE)

build: configure
	cmake --build $(BUILD)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(TESTING)

deps:
	scripts/install-deps $(DEPS)

clean:
	rm -rf $(BUILD) build-fuzz fuzz-corpus-work dist
