BUILD ?= build
JOBS  ?= $(shell nproc)
BENCH_SECONDS ?= 60

.PHONY: all deps build run test bench package clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
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

# The Debian package, vantorel_<version>_<arch>.deb in the build folder.
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
