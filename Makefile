SANITIZE ?= 0
JOBS  ?= $(shell nproc)

# SANITIZE=1: everything built with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_OPTIONS := -DVANTOREL_SANITIZE=ON
# The tests' discovery runs at build time, so the options hold for every recipe.
export ASAN_OPTIONS := detect_stack_use_after_return=1:strict_init_order=1:verify_asan_link_order=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/sanitizers/leaks.supp:print_suppressions=0
else
BUILD ?= build
CMAKE_OPTIONS := -DVANTOREL_SANITIZE=OFF
endif
BENCH_SECONDS ?= 60

# The package sets of scripts/install-deps.sh a command needs: `make run` builds the program alone, without
# the tests; everything else builds the tests too.
PACKAGES = run test
TESTING = ON
run: PACKAGES = run
run: TESTING = OFF
fuzz: PACKAGES = run fuzz

.PHONY: all deps build run test bench package clean fuzz

all: build

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$(TESTING) $(CMAKE_OPTIONS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/vantorel/vantorel

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Measures; never part of `make test`. Every step runs, the exit status tells whether a target was missed.
bench: build
	@status=0; \
	$(BUILD)/bench/vantorel_bench || status=1; \
	bench/measure-idle.sh $(BUILD)/vantorel/vantorel $(BUILD)/bench/minimal_window $(BENCH_SECONDS) || status=1; \
	bench/measure-lag.sh $(BUILD)/vantorel/vantorel $(BUILD)/bench/second_lag $(BENCH_SECONDS) || status=1; \
	exit $$status

# The settings layer under libFuzzer, with AddressSanitizer and UndefinedBehaviorSanitizer, for FUZZ_SECONDS.
# It works on a copy of fuzz/corpus and fuzz/regressions kept in FUZZ_BUILD; an input it fails on is saved
# in FUZZ_BUILD/crashes and the exit status is not 0. Once fixed, such an input goes in fuzz/regressions.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600

fuzz: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	@cp fuzz/corpus/* fuzz/regressions/* $(FUZZ_BUILD)/corpus/
	@$(FUZZ_BUILD)/settings_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -timeout=10 \
		-dict=fuzz/settings.dict -artifact_prefix=$(FUZZ_BUILD)/crashes/ -print_final_stats=1 $(FUZZ_BUILD)/corpus

# The Debian package, vantorel_<version>_<arch>.deb in the build folder.
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
